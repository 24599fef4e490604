#pragma once
// An icon held in its saved form (an icon file image: a directory of images, each a
// device-independent bitmap with its AND mask, or a PNG), with the image it shows decoded.

#include "components/imaging/Bitmap.h"

#include <QByteArray>
#include <QPoint>

#include <functional>
#include <vector>

class TIcon {
public:
    // One directory entry. For cursor files the planes and bit-count fields hold the hot spot.
    struct Entry {
        int Width = 0;
        int Height = 0;
        int Planes = 0;
        int BitCount = 0;
        // Bits per pixel from the image's own header (0 for a PNG image).
        int ImageBits = 0;
    };

    bool Empty() const { return data_.isEmpty(); }
    void Clear();
    // Loads an icon file image (resource type 1). Raises EReadError for anything else or
    // for data that is cut short; the icon is then unchanged.
    void LoadFromBytes(const QByteArray& bytes);
    QByteArray SaveToBytes() const { return data_; }
    void Assign(const TIcon& source);

    // The image shown: the largest entry (the deepest on a tie, then the first), as ARGB.
    const QImage& Image() const { return image_; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    int DisplayedEntry() const { return displayed_; }
    const std::vector<Entry>& Entries() const { return entries_; }

    // The icon drawn on a background colour, as a 24-bit bitmap with that colour transparent.
    TBitmap ToBitmap(TColor background) const;

    std::function<void()> OnChange;

private:
    QByteArray data_;
    std::vector<Entry> entries_;
    QImage image_;
    int displayed_ = -1;
};
