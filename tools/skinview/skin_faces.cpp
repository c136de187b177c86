#include "tools/skinview/skin_faces.h"

#include "skin/render/rect_helpers.h"

namespace tools {

using namespace skin;
using platform::Rect;

namespace {

const Picture* PictureAt(const TbsSkinData& data, int32_t index) {
    const auto& pictures = data.ActivePictures();
    if (index < 0 || size_t(index) >= pictures.size() || pictures[size_t(index)].Empty())
        return nullptr;
    return &pictures[size_t(index)].Surface();
}

// A face whose layout is relative to R: the bar ends follow from its corner points.
RecordFace FaceOf(const Picture* picture, const Rect& R, const NinePartLayout& l, SideStretch sides,
                  bool stretchEffect, TStretchType type) {
    RecordFace f;
    f.picture = picture;
    f.R = R;
    f.layout = l;
    f.sides = sides;
    f.fill = {true, stretchEffect, type};
    f.horizontalEnds = {l.LT.X, R.width() - l.RT.X};
    f.verticalEnds = {l.LT.Y, R.height() - l.LB.Y};
    f.stretch = stretchEffect;
    return f;
}

template <class Window>
RecordFace WindowFace(const Picture* picture, const Window& w, const Rect& client) {
    return FaceOf(picture, picture->bounds(),
                  {w.LeftTopPoint, w.RightTopPoint, w.LeftBottomPoint, w.RightBottomPoint, client},
                  {w.LeftStretch, w.TopStretch, w.RightStretch, w.BottomStretch}, w.StretchEffect,
                  w.StretchType);
}

}  // namespace

std::optional<RecordFace> FaceOfRecord(const TbsSkinData& data, std::string_view name, std::string& why) {
    if (name == "FORMINFO") {
        const TbsFormInfo& fi = data.FormInfo();
        if (data.FramePicture().Empty()) {
            why = "the skin has no frame picture";
            return std::nullopt;
        }
        return WindowFace(&data.FramePicture().Surface(), fi, fi.ClientRect);
    }
    if (name == "POPUPWINDOW" || name == "HINTWINDOW") {
        const bool popup = name == "POPUPWINDOW";
        const int32_t index =
            popup ? data.PopupWindow().WindowPictureIndex : data.HintWindow().WindowPictureIndex;
        const Picture* picture = PictureAt(data, index);
        if (!picture) {
            why = std::string(name) + " has no window picture";
            return std::nullopt;
        }
        return popup ? WindowFace(picture, data.PopupWindow(), data.PopupWindow().ItemsRect)
                     : WindowFace(picture, data.HintWindow(), data.HintWindow().ClientRect);
    }
    if (const auto* c = data.ControlAs<TbsDataSkinCustomControl>(data.FindControlIndex(name))) {
        const Picture* picture = PictureAt(data, c->PictureIndex);
        if (!picture) {
            why = "control \"" + std::string(name) + "\" has no picture";
            return std::nullopt;
        }
        return FaceOf(
            picture, c->SkinRect,
            {c->LeftTopPoint, c->RightTopPoint, c->LeftBottomPoint, c->RightBottomPoint, c->ClientRect},
            {c->LeftStretch, c->TopStretch, c->RightStretch, c->BottomStretch}, c->StretchEffect,
            c->StretchType);
    }
    if (const auto* o = data.ObjectAs<TbsDataSkinObject>(data.FindObjectIndex(name))) {
        RecordFace f;
        f.picture =
            o->SkinRectInAPicture ? PictureAt(data, o->ActivePictureIndex) : &data.FramePicture().Surface();
        if (!f.picture || f.picture->isEmpty()) {
            why = "object \"" + std::string(name) + "\" has no picture";
            return std::nullopt;
        }
        f.R = o->SkinRect;
        if (const auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(o)) {
            f.horizontalEnds = {item->ItemLeftOffset, item->ItemRightOffset};
            f.stretch = item->StretchEffect;
        } else if (const auto* bar = dynamic_cast<const TbsDataSkinMainMenuItem*>(o)) {
            f.horizontalEnds = {bar->ItemLeftOffset, bar->ItemRightOffset};
            f.stretch = bar->StretchEffect;
        }
        return f;
    }
    why = "the skin has no record \"" + std::string(name) + "\"";
    return std::nullopt;
}

std::optional<MorphFaces> MorphFacesOfRecord(const TbsSkinData& data, std::string_view name,
                                             std::string& why) {
    if (const auto* o = data.ObjectAs<TbsDataSkinObject>(data.FindObjectIndex(name))) {
        const Picture* active = PictureAt(data, o->ActivePictureIndex);
        const Picture* normal = o->SkinRectInAPicture ? active : &data.FramePicture().Surface();
        if (!active || !normal || IsEmptyRect(o->ActiveSkinRect) || IsEmptyRect(o->SkinRect)) {
            why = "object \"" + std::string(name) + "\" has no normal and active face";
            return std::nullopt;
        }
        return MorphFaces{normal, o->SkinRect, active, o->ActiveSkinRect};
    }
    if (const auto* b = data.ControlAs<TbsDataSkinButtonControl>(data.FindControlIndex(name))) {
        const Picture* picture = PictureAt(data, b->PictureIndex);
        if (!picture || IsEmptyRect(b->ActiveSkinRect) || IsEmptyRect(b->SkinRect)) {
            why = "control \"" + std::string(name) + "\" has no normal and active face";
            return std::nullopt;
        }
        return MorphFaces{picture, b->SkinRect, picture, b->ActiveSkinRect};
    }
    why = "the skin has no object or button control \"" + std::string(name) + "\"";
    return std::nullopt;
}

}  // namespace tools
