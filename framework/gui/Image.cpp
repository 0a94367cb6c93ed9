#include "framework/gui/Image.h"

#include "framework/ClassBuilder.h"

namespace fw {

const TClassInfo& TImage::StaticClass() {
    static const TClassInfo info = TClassBuilder<TImage, TGraphicControl>("TImage")
                                       .Property("Picture", &TImage::Picture, &TImage::SetPicture)
                                       .Property("Stretch", &TImage::Stretch, &TImage::SetStretch)
                                       .Property("Center", &TImage::Center, &TImage::SetCenter)
                                       .Build();
    return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>()) {
    SetBounds(0, 0, 105, 105);
    FPicture->OnChange = [this](TObject*) { Invalidate(); };
}

TImage::~TImage() = default;

void TImage::SetPicture(TPicture* picture) {
    if (picture)
        FPicture->Assign(*picture);
}

void TImage::SetStretch(bool stretch) {
    FStretch = stretch;
    Invalidate();
}

void TImage::SetCenter(bool center) {
    FCenter = center;
    Invalidate();
}

win::RECT TImage::DestRect() const {
    if (FStretch)
        return {0, 0, Width(), Height()};
    const int w = FPicture->Width();
    const int h = FPicture->Height();
    if (FCenter)
        return {(Width() - w) / 2, (Height() - h) / 2, (Width() - w) / 2 + w,
                (Height() - h) / 2 + h};
    return {0, 0, w, h};
}

void TImage::Paint() {
    FPicture->Bitmap()->Draw(*Canvas(), DestRect());
}

} // namespace fw
