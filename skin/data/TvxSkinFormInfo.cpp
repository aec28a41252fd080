#include "tessel/skin/data/TvxSkinFormInfo.h"

#include "tessel/skin/data/TvxSkinIniReader.h"

#include <algorithm>

namespace tessel {

void TvxSkinFormInfo::Read(const TMemIniFile& ini, bool has_mask)
{
    TvxSkinIniReader reader(ini, IDName);
    VisitUpToRollUpPoints(reader);
    if (has_mask)
        NormaliseMaskArea();
    VisitUpToInactiveEffect(reader);
    PullCornersIntoClient();
    VisitRest(reader);
}

void TvxSkinFormInfo::VisitUpToRollUpPoints(TvxSkinFieldVisitor& v)
{
    v.Point("lefttoppoint", lefttoppoint);
    v.Point("righttoppoint", righttoppoint);
    v.Point("leftbottompoint", leftbottompoint);
    v.Point("rightbottompoint", rightbottompoint);
    v.Rect("clientrect", clientrect);
    v.Integer("bgpictureindex", bgpictureindex, -1);
    v.Integer("mdibgpictureindex", mdibgpictureindex, -1);
    v.Boolean("leftstretch", leftstretch);
    v.Boolean("rightstretch", rightstretch);
    v.Boolean("topstretch", topstretch);
    v.Boolean("bottomstretch", bottomstretch);
    v.Boolean("stretcheffect", stretcheffect);
    v.Enum("stretchtype", stretchtype, TvxEnumWords::StretchType());
    v.Boolean("mdibgstretcheffect", mdibgstretcheffect);
    v.Enum("mdibgstretchtype", mdibgstretchtype, TvxEnumWords::StretchType());
    v.Rect("buttonsrect", buttonsrect);
    v.Rect("captionrect", captionrect);
    v.Integer("buttonsoffset", buttonsoffset, 0);
    v.Boolean("buttonsinleft", buttonsinleft);
    v.Rect("maskrectarea", maskrectarea);
    v.Point("hittestlefttoppoint", hittestlefttoppoint);
    v.Point("hittestrighttoppoint", hittestrighttoppoint);
    v.Point("hittestleftbottompoint", hittestleftbottompoint);
    v.Point("hittestrightbottompoint", hittestrightbottompoint);
    v.Point("rollupleftpoint", rollupleftpoint);
    v.Point("rolluprightpoint", rolluprightpoint);
}

void TvxSkinFormInfo::VisitUpToInactiveEffect(TvxSkinFieldVisitor& v)
{
    v.Rect("mainmenurect", mainmenurect);
    v.Rect("iconrect", iconrect);
    v.Boolean("mainmenupopupup", mainmenupopupup);
    v.Integer("borderwidth", borderwidth, 0);
    v.Integer("formminwidth", formminwidth, 0);
    v.Boolean("mditabstransparent", mditabstransparent);
    v.Boolean("mainmenubartransparent", mainmenubartransparent);
    v.Integer("cursorindex", cursorindex, -1);
    v.Boolean("autorenderinginactiveimage", autorenderinginactiveimage);
    v.Enum("inactiveeffect", inactiveeffect, TvxEnumWords::InactiveEffect());
}

void TvxSkinFormInfo::VisitRest(TvxSkinFieldVisitor& v)
{
    v.Rect("sizegriparea", sizegriparea);
    v.String("statusbarname", statusbarname, "");
}

void TvxSkinFormInfo::NormaliseMaskArea()
{
    if (maskrectarea.IsEmpty()) {
        maskrectarea = clientrect;
    } else {
        maskrectarea.left = std::min(maskrectarea.left, clientrect.left);
        maskrectarea.top = std::min(maskrectarea.top, clientrect.top);
        maskrectarea.right = std::max(maskrectarea.right, clientrect.right);
        maskrectarea.bottom = std::max(maskrectarea.bottom, clientrect.bottom);
    }
    auto fill = [](TPoint& hit, const TPoint& corner) {
        if (hit.x == 0 || hit.y == 0)
            hit = corner;
    };
    fill(hittestlefttoppoint, lefttoppoint);
    fill(hittestrighttoppoint, righttoppoint);
    fill(hittestleftbottompoint, leftbottompoint);
    fill(hittestrightbottompoint, rightbottompoint);
}

void TvxSkinFormInfo::PullCornersIntoClient()
{
    if (rightbottompoint.x == lefttoppoint.x || rightbottompoint.y == lefttoppoint.y)
        return;
    const TRect& c = clientrect;
    lefttoppoint = { std::max(lefttoppoint.x, c.left), std::max(lefttoppoint.y, c.top) };
    righttoppoint = { std::min(righttoppoint.x, c.right), std::max(righttoppoint.y, c.top) };
    leftbottompoint = { std::max(leftbottompoint.x, c.left), std::min(leftbottompoint.y, c.bottom) };
    rightbottompoint = { std::min(rightbottompoint.x, c.right), std::min(rightbottompoint.y, c.bottom) };
}

} // namespace tessel
