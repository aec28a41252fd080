#include "assets/skins/demo/DemoIni.h"

#include "assets/skins/demo/DemoLayout.h"
#include "assets/skins/demo/IniText.h"

#include <utility>
#include <vector>

namespace tessel::demo {

using namespace layout;

const char* const kPictureFile = "frame.bmp";
const char* const kMaskFile = "framemask.bmp";
const char* const kActivePictureFiles[kActivePictureCount]
    = { "captionbuttons.bmp", "checkboxes.bmp", "popup.bmp", "resizebutton.bmp", "controls.bmp",
          "buttonmask.bmp", "hint.bmp", "texture.bmp", "popupmask.bmp" };

namespace {

constexpr TPoint P(int x, int y)
{
    return TPoint { x, y };
}
constexpr TRect kNone {};

struct Corners {
    TPoint lt, rt, lb, rb;
    TRect client;
};

// A horizontal strip: fixed ends left wide and right wide, the middle stretches.
Corners HStrip(const TRect& r, int left, int right, TRect client)
{
    return { P(left, client.top), P(r.Width() - right, client.top), P(0, 0), P(0, 0), client };
}

Corners VStrip(const TRect& r, int top, int bottom, TRect client)
{
    return { P(client.left, top), P(0, 0), P(client.left, r.Height() - bottom), P(0, 0), client };
}

// Fixed corners of the given size; edges and client stretch.
Corners Full(const TRect& r, int border)
{
    int w = r.Width(), h = r.Height();
    return { P(border, border), P(w - border, border), P(border, h - border), P(w - border, h - border),
        R(border, border, w - border, h - border) };
}

class SkinWriter {
public:
    IniText ini;

    void Font(const char* name, int height, const char* style, Rgb color)
    {
        ini.Key("fontname", name);
        ini.Key("fontheight", height);
        ini.Key("fontstyle", style);
        ini.Key("fontcolor", IniColor(color));
    }

    void ControlBase(int picture, const TRect& skin, int mask = -1)
    {
        ini.Key("pictureindex", picture);
        ini.Key("maskpictureindex", mask);
        ini.Key("cursorindex", -1);
        ini.Key("skinrect", skin);
    }

    void Geometry(const Corners& c, bool stretch_edges, bool stretch_client, const char* type = "stfull")
    {
        ini.Key("lefttoppoint", c.lt);
        ini.Key("righttoppoint", c.rt);
        ini.Key("leftbottompoint", c.lb);
        ini.Key("rightbottompoint", c.rb);
        ini.Key("clientrect", c.client);
        for (const char* k : { "leftstretch", "topstretch", "rightstretch", "bottomstretch" })
            ini.Flag(k, stretch_edges);
        ini.Flag("stretcheffect", stretch_client);
        ini.Key("stretchtype", type);
    }

    void Panel(const char* name, const TRect& skin, const Corners& c, bool stretch, int font_height = 13)
    {
        ini.Section(name);
        ControlBase(4, skin);
        Geometry(c, stretch, stretch);
        ini.Key("bgpictureindex", -1);
        ini.Key("captionrect", kNone);
        ini.Key("alignment", "tacenter");
        Font("Arial", font_height, "", kText);
    }

    struct Looks {
        TRect active, down, focused, disabled;
    };
    // Looks whose states follow the normal look step pixels apart to the right:
    // hot, pressed, then (when there is one) focused, then disabled.
    static Looks Row(const TRect& skin, int step, bool has_focused)
    {
        return { Shift(skin, step, 0), Shift(skin, 2 * step, 0),
            has_focused ? Shift(skin, 3 * step, 0) : kNone, Shift(skin, (has_focused ? 4 : 3) * step, 0) };
    }

    void Button(
        const char* name, int picture, const TRect& skin, const Looks& looks, const Corners& c, int mask = -1)
    {
        ini.Section(name);
        ControlBase(picture, skin, mask);
        Geometry(c, true, true);
        Font("Arial", 13, "", kText);
        ini.Key("activefontcolor", IniColor(kText));
        ini.Key("disabledfontcolor", IniColor(kMutedText));
        ini.Key("downfontcolor", IniColor(kText));
        ini.Flag("morphing", true);
        ini.Key("morphkind", "mkdefault");
        ini.Key("activeskinrect", looks.active);
        ini.Key("downskinrect", looks.down);
        ini.Key("focusedskinrect", looks.focused);
        ini.Key("disabledskinrect", looks.disabled);
        ini.Key("animateskinrect", kNone);
        ini.Key("framecount", 0);
        ini.Key("animateinterval", 20);
        ini.Flag("showfocus", !looks.focused.IsEmpty());
        Markers();
    }

    void Markers()
    {
        ini.Key("menumarkerflatrect", kMenuMarker);
        ini.Key("menumarkerrect", kMenuMarker);
        ini.Key("menumarkeractiverect", kMenuMarkerActive);
        ini.Key("menumarkerdownrect", kMenuMarkerDown);
        ini.Key("menumarkertransparentcolor", IniColor(kKey));
    }

    void MenuButton(const char* name, const TRect& skin, const TRect& active, const TRect& down,
        const Corners& c, const TRect& track)
    {
        Button(name, 4, skin, { active, down, kNone, kNone }, c);
        ini.Key("trackbuttonrect", track);
    }

    // The common part of the edit looks: the sunken box, its hot look and the fonts.
    void EditLook(const char* name)
    {
        ini.Section(name);
        ControlBase(4, kEdit);
        Geometry(Full(kEdit, 3), true, true);
        ini.Key("activeskinrect", kEditActive);
        Font("Arial", 13, "", kText);
        ini.Key("disabledfontcolor", IniColor(kMutedText));
        ini.Key("activefontcolor", IniColor(kText));
    }

    void Edit(const char* name, bool with_button)
    {
        EditLook(name);
        ini.Key("buttonrect", with_button ? kEditButton : kNone);
        ini.Key("activebuttonrect", with_button ? kEditButtonActive : kNone);
        ini.Key("downbuttonrect", with_button ? kEditButtonDown : kNone);
        ini.Key("unenabledbuttonrect", with_button ? kEditButton : kNone);
    }

    void SpinButtons()
    {
        ini.Key("upbuttonrect", kSpinUp);
        ini.Key("activeupbuttonrect", kSpinUpHot);
        ini.Key("downupbuttonrect", kSpinUpDown);
        ini.Key("downbuttonrect", kSpinDown);
        ini.Key("activedownbuttonrect", kSpinDownHot);
        ini.Key("downdownbuttonrect", kSpinDownDown);
    }

    void SpinEdit(const char* name)
    {
        EditLook(name);
        SpinButtons();
    }

    // The entries of list and combo boxes: their three looks, text place and fonts.
    void ListItems()
    {
        ini.Key("itemrect", kListItem);
        ini.Key("activeitemrect", kListItemActive);
        ini.Key("focusitemrect", kListItemFocus);
        ini.Key("itemleftoffset", 3);
        ini.Key("itemrightoffset", 3);
        ini.Key("itemtextrect", R(5, 1, 55, 17));
        Font("Arial", 13, "", kText);
        ini.Key("activefontcolor", IniColor(kText));
        ini.Key("focusfontcolor", IniColor(kWhite));
    }

    void ListBox(const char* name, const char* type, bool caption)
    {
        ini.Section(name);
        ControlBase(4, kListBox);
        Geometry(Full(kListBox, 3), true, true);
        ListItems();
        ini.Key("captionrect", caption ? R(3, 3, 57, 19) : kNone);
        ini.Key("captionfontname", "Arial");
        ini.Key("captionfontheight", 13);
        ini.Key("captionfontstyle", "fsbold");
        ini.Key("captionfontcolor", IniColor(kText));
        ini.Key("vscrollbarname", "vscrollbar");
        ini.Key("hscrollbarname", "hscrollbar");
        ini.Key("bothhscrollbarname", "bothhscrollbar");
        ini.Flag("showfocus", false);
        if (std::string(type) == "checklistbox") {
            ini.Key("checkimagerect", kListCheck);
            ini.Key("itemcheckrect", R(3, 2, 16, 15));
            ini.Key("uncheckimagerect", kListUncheck);
        }
    }

    void ComboBox(const char* name)
    {
        ini.Section(name);
        ControlBase(4, kComboBox);
        Geometry(Full(kComboBox, 3), true, true);
        ini.Key("activeskinrect", kComboBoxActive);
        ListItems();
        ini.Key("listboxname", "listbox");
        ini.Key("buttonrect", kComboButton);
        ini.Key("activebuttonrect", kComboButtonActive);
        ini.Key("downbuttonrect", kComboButtonDown);
        ini.Key("unenabledbuttonrect", kComboButton);
        ini.Flag("itemstretcheffect", true);
        ini.Flag("focusitemstretcheffect", true);
        ini.Flag("showfocus", false);
    }

    void Gauge(const char* name, bool vertical)
    {
        ini.Section(name);
        TRect skin = vertical ? kVGauge : kGauge;
        ControlBase(4, skin);
        int w = skin.Width(), h = skin.Height();
        Geometry(
            vertical ? VStrip(skin, 4, 4, R(3, 3, w - 3, h - 3)) : HStrip(skin, 4, 4, R(3, 3, w - 3, h - 3)),
            false, true);
        ini.Key("progressarea", vertical ? R(4, 3, w - 4, h - 3) : R(3, 4, w - 3, h - 4));
        ini.Key("progressrect", vertical ? kVGaugeProgress : kGaugeProgress);
        ini.Key("beginoffset", 2);
        ini.Key("endoffset", 2);
        ini.Flag("vertical", vertical);
        Font("Arial", 12, "", kText);
        ini.Flag("progresstransparent", false);
        ini.Key("progresstransparentcolor", 0);
        ini.Flag("progressstretch", true);
    }

    void ScrollBar(const char* name, bool vertical)
    {
        ini.Section(name);
        TRect skin = vertical ? kVScroll : kHScroll;
        ControlBase(4, skin);
        int length = vertical ? skin.Height() : skin.Width();
        TRect track = vertical ? R(0, 16, 16, length - 16) : R(16, 0, length - 16, 16);
        Geometry(vertical ? VStrip(skin, 16, 16, track) : HStrip(skin, 16, 16, track), false, true);
        ini.Key("trackarea", track);
        ini.Key("upbuttonrect", R(0, 0, 16, 16));
        ini.Key("activeupbuttonrect", vertical ? kScrollUpHot : kScrollLeftHot);
        ini.Key("downupbuttonrect", vertical ? kScrollUpHot : kScrollLeftHot);
        ini.Key("downbuttonrect", vertical ? R(0, length - 16, 16, length) : R(length - 16, 0, length, 16));
        ini.Key("activedownbuttonrect", vertical ? kScrollDownHot : kScrollRightHot);
        ini.Key("downdownbuttonrect", vertical ? kScrollDownHot : kScrollRightHot);
        ini.Key("thumbrect", vertical ? kVThumb : kHThumb);
        ini.Key("activethumbrect", vertical ? kVThumbHot : kHThumbHot);
        ini.Key("downthumbrect", vertical ? kVThumbHot : kHThumbHot);
        ini.Key("thumboffset1", 4);
        ini.Key("thumboffset2", 4);
        ini.Flag("thumbtransparent", false);
        ini.Key("thumbtransparentcolor", 0);
        ini.Flag("thumbstretcheffect", true);
        ini.Key("thumbminsize", 12);
        ini.Key("thumbminpagesize", 8);
    }

    void UpDown(const char* name, const TRect& skin, int step, const TRect& up, const TRect& down)
    {
        ini.Section(name);
        ControlBase(4, skin);
        // Corner points and client of an up-down record are not read; they are given
        // here only so that the rule can be seen at work.
        Geometry(Full(skin, 2), false, false);
        ini.Key("upbuttonrect", up);
        ini.Key("activeupbuttonrect", Shift(up, skin.left + step, skin.top));
        ini.Key("downupbuttonrect", Shift(up, skin.left + 2 * step, skin.top));
        ini.Key("downbuttonrect", down);
        ini.Key("activedownbuttonrect", Shift(down, skin.left + step, skin.top));
        ini.Key("downdownbuttonrect", Shift(down, skin.left + 2 * step, skin.top));
    }

    void FontAndBackground(const char* name)
    {
        ini.Section(name);
        ControlBase(4, kListBox);
        Font("Arial", 13, "", kText);
        ini.Key("bgcolor", IniColor(kWhite));
    }

    void Splitter(const char* name, bool vertical)
    {
        ini.Section(name);
        TRect skin = vertical ? kVSplitter : kHSplitter;
        ControlBase(4, skin);
        Geometry(
            vertical ? VStrip(skin, 2, 2, R(0, 2, 6, 58)) : HStrip(skin, 2, 2, R(2, 0, 58, 6)), false, true);
        ini.Key("gripperrect", vertical ? kVSplitGrip : kHSplitGrip);
        ini.Flag("grippertransparent", false);
        ini.Key("grippertransparentcolor", 0);
    }

    // A caption button of the frame (or of the main menu bar).
    void FrameButton(const char* name, const char* hint, const char* command, const TRect& normal,
        const TRect& active, const TRect& down, const TRect& inactive, const TRect* restore = nullptr)
    {
        ini.Section(name);
        ini.Key("hint", hint);
        ini.Flag("rollup", false);
        ini.Key("activepictureindex", 0);
        ini.Flag("skinrectinapicture", true);
        ini.Key("cursorindex", -1);
        ini.Key("skinrect", normal);
        ini.Key("activeskinrect", active);
        ini.Key("inactiveskinrect", inactive);
        ini.Flag("morphing", true);
        ini.Key("morphkind", "mkdefault");
        ini.Key("downrect", down);
        ini.Key("disableskinrsect", inactive);
        ini.Key("groupindex", -1);
        ini.Key("command", command);
        ini.Key("restorerect", restore ? restore[0] : kNone);
        ini.Key("restoreactiverect", restore ? restore[1] : kNone);
        ini.Key("restoredownrect", restore ? restore[2] : kNone);
        ini.Key("restoreinactiverect", restore ? restore[0] : kNone);
    }
};

} // namespace

void MainMenuEntrySection(IniText& ini, const char* name, int picture, const TRect& normal,
    const TRect& active, const TRect& down, Rgb down_font)
{
    ini.Section(name);
    ini.Key("activepictureindex", picture);
    ini.Flag("skinrectinapicture", true);
    ini.Key("skinrect", normal);
    ini.Key("activeskinrect", active);
    ini.Flag("morphing", true);
    ini.Key("morphkind", "mkdefault");
    ini.Key("itemleftoffset", 4);
    ini.Key("itemrightoffset", 4);
    ini.Key("downrect", down);
    ini.Key("textrect", R(4, 2, 35, 18));
    ini.Key("fontname", "Arial");
    ini.Key("fontheight", 13);
    ini.Key("fontstyle", "");
    ini.Key("fontcolor", IniColor(kText));
    ini.Key("activefontcolor", IniColor(kText));
    ini.Key("downfontcolor", IniColor(down_font));
    ini.Key("unenabledfontcolor", IniColor(kMutedText));
    ini.Flag("stretcheffect", true);
    ini.Key("animateinterval", 25);
}

std::string DemoSkinIni()
{
    SkinWriter w;
    IniText& ini = w.ini;

    ini.Section("VERSION");
    ini.Key("ver", 1);
    ini.Key("skinname", "Tessel Slate");
    ini.Key("skinauthor", "Tessel developers");
    ini.Key("authoremail", "");
    ini.Key("authorurl", "");
    ini.Key("skincomments", "A light frame with a tiled client, drawn in code.");

    ini.Section("PICTURES");
    ini.Key("picture", kPictureFile);
    ini.Key("inactivepicture", "");
    ini.Key("mask", kMaskFile);
    ini.Key("rolluppicture", "");
    ini.Key("rollupmask", "");
    ini.Key("activepicturescount", kActivePictureCount);
    for (int i = 0; i < kActivePictureCount; ++i)
        ini.Key(std::to_string(i), kActivePictureFiles[i]);

    ini.Section("FORMINFO");
    ini.Key("lefttoppoint", P(10, 25));
    ini.Key("righttoppoint", P(94, 25));
    ini.Key("leftbottompoint", P(10, 50));
    ini.Key("rightbottompoint", P(101, 57));
    ini.Key("clientrect", kFrameClient);
    ini.Key("bgpictureindex", -1);
    ini.Key("mdibgpictureindex", -1);
    for (const char* k : { "leftstretch", "rightstretch", "topstretch", "bottomstretch" })
        ini.Flag(k, true);
    ini.Flag("stretcheffect", false);
    ini.Key("stretchtype", "stfull");
    ini.Flag("mdibgstretcheffect", false);
    ini.Key("mdibgstretchtype", "stfull");
    ini.Key("buttonsrect", kNone);
    ini.Key("captionrect", kCaptionRect);
    ini.Key("buttonsoffset", 5);
    ini.Flag("buttonsinleft", false);
    ini.Key("maskrectarea", kNone);
    ini.Key("hittestlefttoppoint", P(7, 6));
    ini.Key("hittestrighttoppoint", P(96, 7));
    ini.Key("hittestleftbottompoint", P(5, 55));
    ini.Key("hittestrightbottompoint", P(98, 56));
    ini.Key("rollupleftpoint", P(10, 0));
    ini.Key("rolluprightpoint", P(94, 0));
    ini.Key("mainmenurect", R(3, 22, 101, 22));
    ini.Key("iconrect", R(4, 5, 17, 18));
    ini.Flag("mainmenupopupup", false);
    ini.Key("borderwidth", 3);
    ini.Key("formminwidth", 170);
    ini.Flag("mditabstransparent", true);
    ini.Flag("mainmenubartransparent", false);
    ini.Key("cursorindex", -1);
    ini.Flag("autorenderinginactiveimage", true);
    ini.Key("inactiveeffect", "iebrightness");
    ini.Key("sizegriparea", R(89, 45, 101, 57));
    ini.Key("statusbarname", "statusbar");

    ini.Section("POPUPWINDOW");
    ini.Key("windowpictureindex", 2);
    ini.Key("maskpictureindex", 8);
    ini.Key("lefttoppoint", P(4, 4));
    ini.Key("righttoppoint", P(kPopupW - 4, 4));
    ini.Key("leftbottompoint", P(4, kPopupH - 4));
    ini.Key("rightbottompoint", P(kPopupW - 4, kPopupH - 4));
    ini.Key("cursorindex", -1);
    ini.Key("itemsrect", R(3, 3, kPopupW - 3, kPopupH - 3));
    ini.Key("scrollmarkercolor", IniColor(kMutedText));
    ini.Key("scrollmarkeractivecolor", IniColor(kAccent));
    for (const char* k : { "leftstretch", "rightstretch", "topstretch", "bottomstretch", "stretcheffect" })
        ini.Flag(k, true);
    ini.Key("stretchtype", "stfull");

    ini.Section("HINTWINDOW");
    ini.Key("windowpictureindex", 6);
    ini.Key("maskpictureindex", 6);
    ini.Key("lefttoppoint", P(8, 8));
    ini.Key("righttoppoint", P(kHintW - 8, 8));
    ini.Key("leftbottompoint", P(8, kHintH - 8));
    ini.Key("rightbottompoint", P(kHintW - 8, kHintH - 8));
    ini.Key("clientrect", R(7, 5, kHintW - 7, kHintH - 5));
    w.Font("Arial", 13, "", 0xF2F4F7);
    for (const char* k : { "leftstretch", "rightstretch", "topstretch", "bottomstretch", "stretcheffect" })
        ini.Flag(k, true);
    ini.Key("stretchtype", "stfull");

    ini.Section("SKINCOLORS");
    const std::pair<const char*, Rgb> colors[]
        = { { "cbtnface", kToolFace }, { "cbtntext", kText }, { "cwindow", kWhite }, { "cwindowtext", kText },
              { "chighlight", kAccent }, { "chighlighttext", kWhite }, { "cbtnhighlight", kWhite },
              { "cbtnshadow", kFaceLine }, { "c3dlight", kBorderFace }, { "c3ddkshadow", kFrameLine } };
    for (auto [k, c] : colors)
        ini.Key(k, IniColor(c));

    const std::vector<std::pair<const char*, const char*>> objects = { { "closebutton", "stdbutton" },
        { "maxbutton", "stdbutton" }, { "minbutton", "stdbutton" }, { "rollupbutton", "stdbutton" },
        { "sysmenubutton", "stdbutton" }, { "traybutton", "stdbutton" }, { "caption", "caption" },
        { "menuitem", "menuitem" }, { "mainmenubaritem", "mainmenubaritem" },
        { "menubarsysmenubutton", "mainmenubarbutton" }, { "menubarclosebutton", "mainmenubarbutton" },
        { "menubarmaxbutton", "mainmenubarbutton" }, { "menubarminbutton", "mainmenubarbutton" } };
    ini.Section("SKINOBJECTS");
    ini.Key("count", static_cast<int>(objects.size()));
    for (size_t i = 0; i < objects.size(); ++i)
        ini.Key(std::to_string(i), std::string(objects[i].first) + ":" + objects[i].second);

    const TRect restore[3] = { kRestoreNormal, kRestoreActive, kRestoreDown };
    w.FrameButton("closebutton", "Close", "cmclose", kCloseNormal, kCloseActive, kCloseDown, kCloseInactive);
    w.FrameButton("maxbutton", "Maximize", "cmmaximize", kMaxNormal, kMaxActive, kMaxDown, kNone, restore);
    w.FrameButton("minbutton", "Minimize", "cmminimize", kMinNormal, kMinActive, kMinDown, kNone);
    w.FrameButton("rollupbutton", "Roll Up", "cmrollup", kRollUpNormal, kRollUpActive, kRollUpDown, kNone);
    w.FrameButton("sysmenubutton", "System menu", "cmsysmenu", kSysNormal, kSysActive, kSysDown, kNone);
    w.FrameButton(
        "traybutton", "Minimize to Tray", "cmminimizetotray", kTrayNormal, kTrayActive, kTrayDown, kNone);

    ini.Section("caption");
    ini.Key("hint", "");
    ini.Flag("rollup", false);
    ini.Key("activepictureindex", -1);
    ini.Flag("skinrectinapicture", false);
    ini.Key("cursorindex", -1);
    ini.Key("skinrect", kCaptionObject);
    ini.Key("activeskinrect", kNone);
    ini.Key("inactiveskinrect", kNone);
    ini.Flag("morphing", false);
    ini.Key("morphkind", "mkdefault");
    ini.Flag("defaultcaption", true);
    ini.Key("textrect", kNone);
    w.Font("Arial", 16, "fsbold", 0x808080);
    ini.Key("activefontcolor", IniColor(0x484848));
    ini.Key("alignment", "taleftjustify");
    ini.Flag("shadow", true);
    ini.Key("shadowcolor", IniColor(0xDADADA));
    ini.Flag("light", false);
    ini.Key("lightcolor", 0);
    ini.Key("activelightcolor", 0);
    ini.Key("activeshadowcolor", IniColor(0xC0C0C0));
    ini.Key("animateinterval", 25);

    ini.Section("menuitem");
    ini.Key("activepictureindex", 0);
    ini.Flag("skinrectinapicture", true);
    ini.Key("skinrect", kMenuItem);
    ini.Key("activeskinrect", kMenuItemActive);
    ini.Key("inactiveskinrect", kMenuItem);
    ini.Flag("morphing", false);
    ini.Key("itemleftoffset", 4);
    ini.Key("itemrightoffset", 4);
    ini.Key("dividerrect", kMenuDivider);
    ini.Key("dividerleftoffset", 4);
    ini.Key("dividerrightoffset", 4);
    ini.Key("textrect", R(24, 0, 55, 20));
    ini.Key("imagerect", R(3, 2, 19, 18));
    w.Font("Arial", 13, "", kText);
    ini.Key("activefontcolor", IniColor(0x10305A));
    ini.Key("unenabledfontcolor", IniColor(0xA3A9B1));
    ini.Flag("stretcheffect", true);
    ini.Flag("inactivestretcheffect", true);
    ini.Flag("dividerstretcheffect", true);
    ini.Key("animateinterval", 25);
    ini.Flag("useimagecolor", false);
    ini.Flag("inactivetransparent", false);
    ini.Key("checkimagerect", kCheckGlyph);
    ini.Key("activecheckimagerect", kCheckGlyphActive);
    ini.Key("radioimagerect", kRadioGlyph);
    ini.Key("activeradioimagerect", kRadioGlyphActive);
    ini.Key("arrowimagerect", kArrowGlyph);
    ini.Key("activearrowimagerect", kArrowGlyphActive);

    MainMenuEntrySection(ini, "mainmenubaritem", 0, kBarItem, kBarItemActive, kBarItemDown, 0x10305A);

    w.FrameButton(
        "menubarsysmenubutton", "System menu", "cmsysmenu", kSysNormal, kSysActive, kSysDown, kNone);
    w.FrameButton(
        "menubarclosebutton", "Close", "cmclose", kCloseNormal, kCloseActive, kCloseDown, kCloseInactive);
    w.FrameButton(
        "menubarmaxbutton", "Restore", "cmmaximize", kRestoreNormal, kRestoreActive, kRestoreDown, kNone);
    w.FrameButton("menubarminbutton", "Minimize", "cmminimize", kMinNormal, kMinActive, kMinDown, kNone);

    const std::vector<std::pair<const char*, const char*>> controls = { { "button", "button" },
        { "toolpanel", "panel" }, { "toolbutton", "button" }, { "checkbox", "checkradio" },
        { "gauge", "gauge" }, { "vgauge", "gauge" }, { "radiobox", "checkradio" }, { "panel", "panel" },
        { "label", "label" }, { "trackbar", "trackbar" }, { "htrackbar", "trackbar" }, { "grid", "grid" },
        { "tab", "tab" }, { "edit", "edit" }, { "memo", "memo" }, { "hscrollbar", "scrollbar" },
        { "vscrollbar", "scrollbar" }, { "listbox", "listbox" }, { "combobox", "combobox" },
        { "checklistbox", "checklistbox" }, { "spinedit", "spinedit" }, { "groupbox", "panel" },
        { "stdlabel", "stdlabel" }, { "statuspanel", "label" }, { "statusbar", "panel" },
        { "buttonedit", "edit" }, { "vupdown", "updown" }, { "hupdown", "updown" },
        { "captionlistbox", "listbox" }, { "captionchecklistbox", "checklistbox" },
        { "captioncombobox", "combobox" }, { "controlbar", "controlbar" }, { "mainmenubar", "mainmenubar" },
        { "vsplitter", "splitter" }, { "hsplitter", "splitter" }, { "resizebutton", "button" },
        { "bothhscrollbar", "scrollbar" }, { "bigtoolpanel", "panel" }, { "bigtoolbutton", "button" },
        { "toolmenubutton", "menubutton" }, { "toolmenutrackbutton", "menubutton" },
        { "bigtoolmenubutton", "menubutton" }, { "bigtoolmenutrackbutton", "menubutton" },
        { "scrollbox", "scrollbox" }, { "listview", "listview" }, { "treeview", "treeview" },
        { "statusgauge", "gauge" }, { "richedit", "richedit" }, { "expanel", "expanel" },
        { "slider", "slider" }, { "bevel", "bevel" }, { "statusedit", "edit" },
        { "statusbuttonedit", "edit" }, { "statusspinedit", "spinedit" }, { "statuscombobox", "combobox" },
        { "resizetoolbutton", "button" }, { "resizetoolpanel", "panel" }, { "htracktoolbutton", "button" },
        { "vtracktoolbutton", "button" }, { "texturepanel", "panel" } };
    ini.Section("SKINCONTROLS");
    ini.Key("count", static_cast<int>(controls.size()));
    for (size_t i = 0; i < controls.size(); ++i)
        ini.Key(std::to_string(i), std::string(controls[i].first) + ":" + controls[i].second);

    const Corners tool_panel = HStrip(kToolPanel, 2, 3, R(2, 2, 40, 27));
    const Corners tool_button = HStrip(kToolButton, 4, 4, R(4, 3, 26, 23));
    const Corners panel { P(5, 4), P(53, 6), P(6, 45), P(53, 46), R(2, 2, 57, 50) };
    for (const auto& [name, type] : controls) {
        std::string n = name, t = type;
        if (n == "button") {
            w.Button(name, 4, kButton, SkinWriter::Row(kButton, kButtonStep, true),
                HStrip(kButton, 8, 8, R(8, 4, 62, 21)), 5);
        } else if (n == "toolbutton" || n == "resizetoolbutton" || n == "htracktoolbutton"
            || n == "vtracktoolbutton") {
            w.Button(name, 4, kToolButton, SkinWriter::Row(kToolButton, kToolButtonStep, false), tool_button);
        } else if (n == "bigtoolbutton") {
            w.Button(name, 4, kBigToolButton, SkinWriter::Row(kBigToolButton, kBigToolButtonStep, false),
                HStrip(kBigToolButton, 5, 5, R(5, 3, 35, 37)));
        } else if (n == "resizebutton") {
            // The resize button's looks lie one above the other.
            w.Button(
                name, 3, kResizeNormal, { kResizeActive, kResizeDown, kNone, kNone }, Full(kResizeNormal, 3));
        } else if (n == "toolpanel" || n == "resizetoolpanel") {
            w.Panel(name, kToolPanel, tool_panel, true);
        } else if (n == "bigtoolpanel") {
            w.Panel(name, kBigToolPanel, HStrip(kBigToolPanel, 2, 3, R(2, 2, 40, 38)), true);
        } else if (n == "panel") {
            w.Panel(name, kPanel, panel, false, 12);
        } else if (n == "groupbox") {
            // The caption band lies in the top edge, above the client.
            w.Panel(name, kGroupBox, { P(5, 17), P(53, 17), P(6, 45), P(53, 46), R(2, 17, 57, 50) }, false);
            // From the left corner into the right one, so it widens with the box.
            ini.Key("captionrect", R(4, 1, 54, 16));
            ini.Key("alignment", "taleftjustify");
            ini.Key("fontstyle", "fsbold");
            ini.Key("checkimagerect", kPanelCheckOn);
            ini.Key("uncheckimagerect", kPanelCheckOff);
            ini.Key("markframerect", kPanelMarkFrame);
        } else if (n == "texturepanel") {
            w.Panel(name, kPanel, panel, false, 12);
            ini.Key("bgpictureindex", 7);
        } else if (n == "statusbar") {
            w.Panel(name, kStatusBar, HStrip(kStatusBar, 2, 2, R(2, 3, 40, 22)), true, 12);
            ini.Key("gripperrect", kGripper);
            ini.Flag("grippertransparent", false);
            ini.Key("grippertransparentcolor", 0);
        } else if (n == "toolmenubutton") {
            // The arrow lies in the right 15 pixels, which keep their size.
            w.MenuButton(name, kToolMenuButton, kToolMenuButtonActive, kToolMenuButtonDown,
                HStrip(kToolMenuButton, 4, 15, R(4, 3, 16, 23)), kNone);
        } else if (n == "toolmenutrackbutton") {
            w.MenuButton(name, kToolMenuTrack, kToolMenuTrackActive, kToolMenuTrackDown,
                HStrip(kToolMenuTrack, 4, 15, R(4, 3, 30, 23)), R(31, 0, 45, 26));
        } else if (n == "bigtoolmenubutton" || n == "bigtoolmenutrackbutton") {
            w.MenuButton(name, kBigMenuButton, Shift(kBigMenuButton, kBigToolButtonStep, 0),
                Shift(kBigMenuButton, 2 * kBigToolButtonStep, 0),
                HStrip(kBigMenuButton, 5, 5, R(5, 3, 35, 37)),
                n == "bigtoolmenutrackbutton" ? R(28, 0, 40, 40) : kNone);
        } else if (t == "checkradio") {
            ini.Section(name);
            bool radio = n == "radiobox";
            w.ControlBase(radio ? 4 : 1, kNone);
            w.Font("Arial", 13, "", kText);
            ini.Key("activefontcolor", IniColor(kText));
            ini.Key("unenabledfontcolor", IniColor(kMutedText));
            ini.Key("framefontcolor", IniColor(kText));
            ini.Flag("morphing", false);
            ini.Key("morphkind", "mkdefault");
            ini.Key("checkimagearea", R(0, 0, 13, 13));
            ini.Key("textarea", R(17, 0, 0, 13));
            TRect on = radio ? kRadioOn : kCheckBoxOn, off = radio ? kRadioOff : kCheckBoxOff;
            for (const char* k : { "checkimagerect", "activecheckimagerect", "unenabledcheckimagerect",
                     "grayedcheckimagerect", "activegrayedcheckimagerect" })
                ini.Key(k, on);
            for (const char* k :
                { "uncheckimagerect", "activeuncheckimagerect", "unenableduncheckimagerect" })
                ini.Key(k, off);
        } else if (n == "gauge" || n == "statusgauge") {
            w.Gauge(name, false);
        } else if (n == "vgauge") {
            w.Gauge(name, true);
        } else if (n == "label") {
            ini.Section(name);
            w.ControlBase(-1, kNone);
            w.Font("Arial", 13, "", kText);
        } else if (n == "statuspanel") {
            ini.Section(name);
            w.ControlBase(4, kStatusPanel);
            w.Geometry(HStrip(kStatusPanel, 2, 2, R(2, 2, 38, 18)), false, true);
            w.Font("Arial", 12, "", kText);
        } else if (t == "trackbar") {
            ini.Section(name);
            w.ControlBase(4, kTrackBar);
            w.Geometry(HStrip(kTrackBar, 6, 6, R(6, 0, 94, 20)), false, true);
            ini.Key("activeskinrect", kTrackBar);
            ini.Key("trackarea", R(6, 8, 94, 12));
            ini.Key("buttonrect", kTrackThumb);
            ini.Key("activebuttonrect", kTrackThumbHot);
            ini.Flag("vertical", false);
            ini.Flag("buttontransparent", false);
            ini.Key("buttontransparentcolor", 0);
        } else if (n == "grid") {
            ini.Section(name);
            w.ControlBase(4, kNone);
            ini.Key("fixedcellrect", kGridFixed);
            ini.Key("selectcellrect", kGridSelect);
            ini.Key("focuscellrect", kGridFocus);
            ini.Key("fixedcellleftoffset", 2);
            ini.Key("fixedcellrightoffset", 2);
            ini.Key("fixedcelltextrect", R(3, 2, 57, 18));
            ini.Key("cellleftoffset", 2);
            ini.Key("cellrightoffset", 2);
            ini.Key("celltextrect", R(3, 2, 57, 18));
            ini.Key("linescolor", IniColor(0xD5DBE2));
            ini.Key("bgcolor", IniColor(kWhite));
            ini.Key("bgpictureindex", -1);
            w.Font("Arial", 13, "", kText);
            ini.Key("selectfontcolor", IniColor(kText));
            ini.Key("focusfontcolor", IniColor(kText));
            ini.Key("fixedfontname", "Arial");
            ini.Key("fixedfontheight", 13);
            ini.Key("fixedfontstyle", "fsbold");
            ini.Key("fixedfontcolor", IniColor(kText));
            ini.Flag("cellstretcheffect", true);
            ini.Flag("fixedcellstretcheffect", true);
            ini.Flag("showfocus", true);
        } else if (n == "tab") {
            ini.Section(name);
            w.ControlBase(4, kTabPage);
            ini.Key("tabrect", kTab);
            ini.Key("activetabrect", kTabActive);
            ini.Key("focustabrect", kTabActive);
            ini.Key("mouseintabrect", kTabHot);
            Corners c = Full(kTabPage, 4);
            ini.Key("clientrect", R(3, 3, 117, 77));
            ini.Key("bgpictureindex", -1);
            ini.Key("lefttoppoint", c.lt);
            ini.Key("righttoppoint", c.rt);
            ini.Key("leftbottompoint", c.lb);
            ini.Key("rightbottompoint", c.rb);
            ini.Key("tableftoffset", 5);
            ini.Key("tabrightoffset", 5);
            ini.Key("tabsbgrect", kNone);
            for (const char* k : { "tabstretcheffect", "leftstretch", "topstretch", "rightstretch",
                     "bottomstretch", "stretcheffect" })
                ini.Flag(k, true);
            ini.Key("stretchtype", "stfull");
            w.Font("Arial", 13, "", kText);
            ini.Key("activefontcolor", IniColor(kText));
            ini.Key("focusfontcolor", IniColor(kText));
            ini.Key("mouseinfontcolor", IniColor(kAccentDark));
            ini.Key("updown", "hupdown");
            ini.Flag("showfocus", false);
            ini.Key("closebuttonrect", kTabClose);
            ini.Key("closebuttonactiverect", kTabCloseHot);
            ini.Key("closebuttondownrect", kTabCloseDown);
            ini.Flag("buttontransparent", true);
            ini.Key("buttontransparentcolor", IniColor(kKey));
        } else if (n == "edit" || n == "statusedit") {
            w.Edit(name, false);
        } else if (n == "buttonedit" || n == "statusbuttonedit") {
            w.Edit(name, true);
        } else if (n == "memo") {
            w.Edit(name, false);
            ini.Key("bgcolor", IniColor(kWhite));
            ini.Key("activebgcolor", IniColor(kWhite));
        } else if (n == "hscrollbar" || n == "bothhscrollbar") {
            w.ScrollBar(name, false);
        } else if (n == "vscrollbar") {
            w.ScrollBar(name, true);
        } else if (t == "listbox" || t == "checklistbox") {
            w.ListBox(name, type, n.rfind("caption", 0) == 0);
        } else if (t == "combobox") {
            w.ComboBox(name);
        } else if (t == "spinedit") {
            w.SpinEdit(name);
        } else if (n == "stdlabel") {
            ini.Section(name);
            w.ControlBase(-1, kNone);
            w.Font("Arial", 13, "", kText);
            ini.Key("activefontcolor", IniColor(kAccent));
        } else if (n == "vupdown") {
            w.UpDown(name, kVUpDown, kVUpDownStep, kVUpDownFirst, kVUpDownSecond);
        } else if (n == "hupdown") {
            w.UpDown(name, kHUpDown, kHUpDownStep, kHUpDownSecond, kHUpDownFirst);
        } else if (n == "controlbar") {
            ini.Section(name);
            w.ControlBase(4, kControlBar);
            w.Geometry(Full(kControlBar, 3), true, true);
            ini.Key("itemrect", kControlBarItem);
            ini.Key("bgpictureindex", -1);
            ini.Key("hgriprect", kHGrip);
            ini.Key("vgriprect", kVGrip);
            ini.Key("gripoffset1", 2);
            ini.Key("gripoffset2", 2);
            ini.Flag("itemstretcheffect", true);
            ini.Key("itemoffset1", 3);
            ini.Key("itemoffset2", 3);
        } else if (n == "mainmenubar") {
            ini.Section(name);
            w.ControlBase(4, kMenuBar);
            ini.Key("itemsrect", R(2, 0, 118, 20));
            ini.Key("menubaritem", "mainmenubaritem");
            ini.Key("closebutton", "menubarclosebutton");
            ini.Key("minbutton", "menubarminbutton");
            ini.Key("maxbutton", "menubarmaxbutton");
            ini.Key("sysmenubutton", "menubarsysmenubutton");
            ini.Key("trackmarkcolor", IniColor(kMutedText));
            ini.Key("trackmarkactivecolor", IniColor(kAccent));
            ini.Flag("stretcheffect", true);
            ini.Flag("itemtransparent", false);
        } else if (n == "vsplitter") {
            w.Splitter(name, true);
        } else if (n == "hsplitter") {
            w.Splitter(name, false);
        } else if (n == "scrollbox") {
            ini.Section(name);
            w.ControlBase(4, kScrollBox);
            w.Geometry(Full(kScrollBox, 3), true, true);
            ini.Key("bgpictureindex", -1);
        } else if (t == "listview" || t == "treeview" || t == "richedit") {
            w.FontAndBackground(name);
        } else if (n == "expanel") {
            ini.Section(name);
            w.ControlBase(4, kExPanel);
            w.Geometry(Corners { P(5, 4), P(53, 6), P(6, 45), P(53, 46), R(2, 16, 57, 50) }, false, false);
            ini.Key("captionrect", R(2, 2, 57, 16));
            w.Font("Arial", 13, "fsbold", kText);
            ini.Flag("buttonstransparent", true);
            ini.Key("buttonstransparentcolor", IniColor(kKey));
        } else if (n == "slider") {
            ini.Section(name);
            w.ControlBase(4, kNone);
            ini.Key("bgcolor", IniColor(kClient));
            ini.Key("hrulerrect", kSliderHRuler);
            ini.Key("hthumbrect", kSliderHThumb);
            ini.Key("vrulerrect", kSliderVRuler);
            ini.Key("vthumbrect", kSliderVThumb);
            ini.Key("edgesize", 4);
            ini.Key("pointscolor", IniColor(kSunkenLine));
        } else if (n == "bevel") {
            ini.Section(name);
            w.ControlBase(-1, kNone);
            ini.Key("lightcolor", IniColor(kWhite));
            ini.Key("darkcolor", IniColor(kFaceLine));
        }
    }
    return ini.Text();
}

} // namespace tessel::demo
