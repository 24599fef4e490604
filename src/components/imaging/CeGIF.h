#pragma once
// The GIF image (GIF87a and GIF89a): reads and writes GIF streams, keeps every frame's
// pixel data LZW-encoded as read and decodes a frame into its bitmap when it is first
// needed. Frames can be built from bitmaps (through colour reduction) and from animated
// cursors.
//
// Sharing: the image-wide record and each frame's encoded item are shared by Assign; the
// code that changes one first takes its own copy, so an assigned image never changes its
// source.
//
// Damage: with TolerateDamage on (the only setting the program uses) truncated image data,
// a code size outside 2..9 and a broken code chain mark the frame Corrupted and keep the
// pixels decoded so far; a corrupted frame is encoded afresh when the image is written.

#include "components/imaging/Bitmap.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class ByteReader;
class QMimeData;
class QPainter;
class TAnimatedCursorImage;
class TGIFImage;
class TIcon;

// A colour table: Count entries (0 = none) of RGB triples.
struct TGIFColorMap {
    std::uint32_t Count = 0;
    std::array<std::uint8_t, 768> Colors{};

    QRgb Color(int index) const;
    // The first entry equal to `color` (an RGB TColor); -1 when none.
    int IndexOf(TColor color) const;
    QList<QRgb> Palette() const;
    void SetPalette(const QList<QRgb>& palette);
};

// The image-wide record.
struct TGIFData {
    QStringList Comment;
    std::uint8_t AspectRatio = 0;
    int BitsPerPixel = 1;  // of the global table, 1..8
    int ColorResBits = 1;  // 1..8
    TGIFColorMap ColorMap; // the global table
};

// One frame's encoded data: the minimum code size byte and the data sub-blocks with their
// length bytes, up to and including the zero terminator.
struct TGIFItem {
    QByteArray Data;
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 1;
    TGIFColorMap ColorMap;
};

enum TGIFExtensionKind { ekGraphicControl = 0, ekPlainText = 1, ekApplication = 2, ekComment = 3 };

// An extension block: its fixed header bytes (for a graphic control the six bytes block
// size 4, flags, delay low and high, transparent index, terminator; for plain text and
// application the block size and the bytes it counts) and one string per data sub-block.
struct TExtension {
    TGIFExtensionKind Kind = ekComment;
    QByteArray Header;
    QList<QByteArray> Data;
};

class TGIFFrame {
public:
    explicit TGIFFrame(TGIFImage* owner);

    TGIFImage* Owner() const { return owner_; }
    const TGIFItem& Item() const { return *item_; }

    // The decoded bitmap; decodes the frame when it has none yet.
    const TBitmap& Bitmap();
    bool HasBitmap() const { return bitmap_ != nullptr && !bitmap_->Empty(); }
    bool HasData() const { return !item_->Data.isEmpty(); }

    int Width() const { return item_->Width; }
    int Height() const { return item_->Height; }

    void Clear();
    // Takes the source's item (shared) and settings, and a copy of its bitmap.
    void Assign(const TGIFFrame& source);
    // The current frame of an image (frame 0 when none is current; cleared without frames).
    void Assign(const TGIFImage& source);
    // A new frame from a bitmap; its transparent colour when the bitmap is transparent.
    void Assign(const TBitmap& source);
    // The decoded bitmap, with the transparent colour set when the frame has one.
    TBitmap AssignToBitmap();

    // The lines of the frame's comment extension.
    QStringList Comment() const;
    void SetComment(const QStringList& lines);

    int Left = 0;
    int Top = 0;
    bool Interlaced = false;
    bool Corrupted = false;
    bool GrayScale = false;
    bool LocalColorTable = false;
    TColor TransparentColor = clNone;
    // The index drawn transparent; -1 when none. Kept besides the colour because a table
    // may hold the same colour twice, and only this index is see-through.
    int TransparentIndex = -1;
    std::uint32_t Delay = 0;  // milliseconds
    int Disposal = 0;
    std::vector<TExtension> Extensions;

private:
    friend class TGIFImage;
    void Decode();
    void Encode();
    void UpdateGraphicControl();
    TGIFItem& MutableItem();

    TGIFImage* owner_;
    std::shared_ptr<TGIFItem> item_;
    std::unique_ptr<TBitmap> bitmap_;
};

class TGIFImage {
public:
    TGIFImage();
    ~TGIFImage();
    TGIFImage(const TGIFImage&) = delete;
    TGIFImage& operator=(const TGIFImage&) = delete;

    // Damage handling of every reader; on unless a caller switches it off.
    static bool TolerateDamage;

    const TGIFData& Data() const { return *data_; }
    TGIFData& MutableData();

    int FrameCount() const { return static_cast<int>(frames_.size()); }
    TGIFFrame& Frame(int index) { return *frames_.at(static_cast<std::size_t>(index)); }
    void DeleteFrame(int index);

    // Reads a whole GIF; 0 bytes give an empty image. Raises EInvalidGraphicOperation or
    // EReadError, keeping the frames read before the error.
    void LoadFromStream(const QByteArray& bytes);
    // A 32-bit little-endian byte count, then that many bytes of GIF (form resources).
    void ReadData(ByteReader& reader);
    // The GIF without a count; raises "No GIF Data to write" without frames.
    QByteArray SaveToStream();
    QByteArray WriteData();

    // Clipboard data of the "GIF Image" format, with a plain bitmap beside it.
    void LoadFromClipboardFormat(const QMimeData& data);
    void SaveToClipboardFormat(QMimeData& data);

    void Draw(QPainter& painter, const QRect& rect);

    int Width();
    int Height();
    [[noreturn]] void SetWidth(int value);
    [[noreturn]] void SetHeight(int value);
    bool Empty() const;
    QList<QRgb> Palette();
    bool Transparent() const;
    void SetTransparent(bool value) { transparent_ = value; }
    bool Equals(const TGIFImage& other) const { return data_ == other.data_; }

    int AddFrame(const TBitmap& bitmap);
    int AddFrame(const TIcon& icon);

    void Clear();
    void Assign(const TGIFImage& source);
    void Assign(const TGIFFrame& source);
    void Assign(const TBitmap& source);
    void Assign(const TAnimatedCursorImage& source);
    // The current frame's picture (frame 0's when none is current; empty without frames).
    TBitmap AssignToBitmap();

    int FrameIndex = -1;
    int Version = 0;  // 0 none, 1 "87a", 2 "89a"
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    TColor BackgroundColor = clNone;
    bool Looping = false;
    int RepeatCount = 1;
    bool Modified = false;
    std::function<void()> OnChange;

private:
    friend class TGIFFrame;
    void ReadGif(const QByteArray& bytes, bool decodeFirst);
    void ReadBody(ByteReader& reader);
    void ReadFrame(ByteReader& reader, std::vector<TExtension>& gathered);
    void WriteHeader(QByteArray& out);
    void WriteFrame(QByteArray& out, TGIFFrame& frame);
    void UpdateScreenSize();
    void Changed();

    std::shared_ptr<TGIFData> data_;
    std::vector<std::unique_ptr<TGIFFrame>> frames_;
    bool transparent_ = false;
};

// The clipboard format of the GIF image ("GIF Image").
QString GIFClipboardFormat();
