#include "skin/WinSkinDataObjects.h"

#include "framework/ClassBuilder.h"

namespace skin {

const fw::TClassInfo& TDataSkinObject::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TDataSkinObject, fw::TObject>("TDataSkinObject").Build();
    return info;
}

const fw::TClassInfo& TDataSkinBorder::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TDataSkinBorder, TDataSkinObject>("TDataSkinBorder").Build();
    return info;
}

const fw::TClassInfo& TDataSkinTitle::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TDataSkinTitle, TDataSkinObject>("TDataSkinTitle").Build();
    return info;
}

const fw::TClassInfo& TDataSkinButton::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TDataSkinButton, TDataSkinObject>("TDataSkinButton").Build();
    return info;
}

const fw::TClassInfo& TDataSkinSysButton::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TDataSkinSysButton, TDataSkinObject>("TDataSkinSysButton").Build();
    return info;
}

const fw::TClassInfo& TDataSkinBoxLabel::StaticClass() {
    static const fw::TClassInfo info =
        fw::TClassBuilder<TDataSkinBoxLabel, TDataSkinObject>("TDataSkinBoxLabel").Build();
    return info;
}

} // namespace skin
