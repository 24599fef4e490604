#pragma once
// Animated cursor files (RIFF form "ACON"): the steps of the animation as icons with their
// rates, handed on as an icon, a film-strip bitmap or an icon list.

#include "components/imaging/Icon.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class TIconList;

// The "anih" header as stored.
struct TAniHeader {
    std::uint32_t HeaderSize = 0;
    std::uint32_t Frames = 0;
    std::uint32_t Steps = 0;
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::uint32_t BitCount = 0;
    std::uint32_t Planes = 0;
    std::uint32_t Rate = 0;   // default rate in jiffies (1/60 s)
    std::uint32_t Flags = 0;  // bit 0: the frames are icons
};

// One step of the animation.
struct TIconFrame {
    TIcon Icon;
    bool IsIcon = false;          // stored as an icon rather than a cursor
    QByteArray Tag;               // the "icon" chunk's identifier and size
    QPoint HotSpot;
    std::uint32_t Rate = 0;       // jiffies
    int SequenceIndex = -1;       // the icon shown; -1 for an icon no step names
};

class TAnimatedCursorImage {
public:
    // Reads an animated cursor; 0 bytes change nothing. Raises EReadError with the
    // stream-read message for anything that is not a sound animated cursor.
    void LoadFromStream(const QByteArray& bytes);
    void LoadFromFile(const QString& fileName);
    // Not available: the not-implemented stop.
    [[noreturn]] void SaveToStream() const;

    void Clear();
    void Assign(const TAnimatedCursorImage& source);
    // The first step's icon (an empty one without steps).
    TIcon AssignToIcon() const;
    // The steps side by side (or one below the other) on `background`, reduced to
    // Max(MaxColors, 16) colours.
    TBitmap AssignToBitmap(TColor background, bool vertical = false) const;
    void AssignTo(TIconList& list) const;

    int FrameCount() const { return static_cast<int>(frames_.size()); }
    const TIconFrame& Frame(int index) const { return *frames_.at(static_cast<std::size_t>(index)); }

    TAniHeader Header;
    QString Title;
    QString Creator;
    std::uint16_t MaxColors = 0;

private:
    void ReadChunks(class ByteReader& reader);
    void ReadIcon(class ByteReader& chunk, const QByteArray& tag);
    void BuildSteps();

    std::vector<std::unique_ptr<TIconFrame>> frames_;
    // While reading: the icons of the "fram" list and the per-step values.
    std::vector<std::unique_ptr<TIconFrame>> icons_;
    std::vector<std::uint32_t> rates_;
    std::vector<std::uint32_t> sequence_;
};
