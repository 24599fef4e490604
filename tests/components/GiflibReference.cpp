#include "GiflibReference.h"

#include <gif_lib.h>

#include <cstring>

namespace {

struct Source {
    const QByteArray* bytes;
    qsizetype at;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int size)
{
    auto* source = static_cast<Source*>(gif->UserData);
    const qsizetype n = std::min<qsizetype>(size, source->bytes->size() - source->at);
    std::memcpy(buffer, source->bytes->constData() + source->at, static_cast<std::size_t>(n));
    source->at += n;
    return static_cast<int>(n);
}

int WriteToMemory(GifFileType* gif, const GifByteType* buffer, int size)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(buffer), size);
    return size;
}

}  // namespace

std::optional<std::vector<GiflibFrame>> GiflibDecode(const QByteArray& gif)
{
    Source source{&gif, 0};
    int error = 0;
    GifFileType* file = DGifOpen(&source, ReadFromMemory, &error);
    if (file == nullptr)
        return std::nullopt;
    std::optional<std::vector<GiflibFrame>> frames;
    if (DGifSlurp(file) == GIF_OK) {
        frames.emplace();
        for (int i = 0; i < file->ImageCount; ++i) {
            const SavedImage& image = file->SavedImages[i];
            GiflibFrame f{image.ImageDesc.Left, image.ImageDesc.Top, image.ImageDesc.Width, image.ImageDesc.Height, {}};
            const std::size_t count = static_cast<std::size_t>(f.width) * static_cast<std::size_t>(f.height);
            if (image.RasterBits != nullptr)
                f.pixels.assign(image.RasterBits, image.RasterBits + count);
            frames->push_back(std::move(f));
        }
    }
    DGifCloseFile(file, &error);
    return frames;
}

int GiflibSlurp(const QByteArray& gif)
{
    Source source{&gif, 0};
    int error = 0;
    GifFileType* file = DGifOpen(&source, ReadFromMemory, &error);
    if (file == nullptr)
        return -1;
    const int count = DGifSlurp(file) == GIF_OK ? file->ImageCount : -1;
    DGifCloseFile(file, &error);
    return count;
}

QByteArray GiflibEncode(int width, int height, const QList<QRgb>& palette, const std::uint8_t* pixels)
{
    QByteArray out;
    int error = 0;
    GifFileType* file = EGifOpen(&out, WriteToMemory, &error);
    std::vector<GifColorType> colors;
    for (QRgb c : palette)
        colors.push_back({static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                          static_cast<GifByteType>(qBlue(c))});
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colors.size()), colors.data());
    EGifPutScreenDesc(file, width, height, map->BitsPerPixel, 0, map);
    EGifPutImageDesc(file, 0, 0, width, height, false, nullptr);
    for (int y = 0; y < height; ++y)
        EGifPutLine(file, const_cast<GifPixelType*>(pixels + static_cast<std::ptrdiff_t>(y) * width), width);
    EGifCloseFile(file, &error);
    GifFreeMapObject(map);
    return out;
}
