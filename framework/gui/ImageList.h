#pragma once
// A list of equally sized images with their transparency masks, as menus and
// buttons draw them by index. The images live side by side in one 24-bit
// strip with a mask strip beside it (white where transparent). A definition
// holds the images as the binary property "Bitmap":
//
//     u16 width, u16 height, u16 count            (little-endian)
//     count * height * width * 3 bytes            pixels, B G R, image after image, rows top down
//     count * height * ceil(width / 8) bytes      mask rows, most significant bit first, 1 =
//     transparent

#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/NotifyEvent.h"
#include "platform/user/WinUser.h"

#include <memory>

namespace fw {

class TBitmap;
class TCanvas;
class TStream;

class TImageList : public TComponent {
    FW_CLASS(TImageList, TComponent)

    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    // Changing the size empties the list.
    int Width() const { return FWidth; }
    void SetWidth(int width);
    int Height() const { return FHeight; }
    void SetHeight(int height);
    int Count() const { return FCount; }

    // Appends the images of image (its width a multiple of Width; each image
    // cut from it left to right), transparent where mask is white (no mask:
    // opaque). Returns the index of the first one. EInvalidOperation
    // "Invalid image size" when image is not Height high.
    int Add(TBitmap& image, TBitmap* mask);
    // The same with the pixels of maskColor transparent.
    int AddMasked(TBitmap& image, TColor maskColor);
    void Delete(int index);
    void Clear();

    // Draws image index with its mask at x, y; a disabled image is drawn
    // embossed in the highlight and shadow colours. Nothing for a bad index.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

    // The binary property. EReadError "Failed to read ImageList data from stream".
    void ReadData(TStream& stream);
    void WriteData(TStream& stream) const;

    TNotifyEvent OnChange;

private:
    void Resize(int width, int height);
    // Makes room for `added` more images, keeping the ones there.
    void Grow(int added);
    void Changed();
    // Paints colour through the mask of image index at x, y of dc.
    void DrawMaskShape(win::HDC dc, int x, int y, int index, TColor color) const;

    int FWidth = 16;
    int FHeight = 16;
    int FCount = 0;
    std::unique_ptr<TBitmap> FImages;
    std::unique_ptr<TBitmap> FMasks;
};

} // namespace fw
