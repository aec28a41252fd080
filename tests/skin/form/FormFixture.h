#pragma once

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TRegion.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"
#include "tests/skin/controls/SkinFixture.h"

#include <fstream>
#include <functional>
#include <set>
#include <sstream>

namespace tessel::test {

// A form with a skin controller bound to the skin store.
class FormFixture : public SkinFixture {
protected:
    TvxVeneer& MakeSkinnedForm(TRect bounds, bool load = true)
    {
        MakeForm(bounds);
        veneer = &form->Add<TvxVeneer>();
        veneer->SetSkinData(store);
        if (load)
            LoadSkin();
        ShowAndPaint();
        return *veneer;
    }
    // An MDI main form (the application's main form) with a skin controller, made an
    // MDI form before its window exists so that it makes its client window.
    TvxVeneer& MakeSkinnedMDIForm(TRect bounds)
    {
        MakeForm(bounds);
        form->SetFormStyle(fsMDIForm);
        Application().SetMainForm(form);
        veneer = &form->Add<TvxVeneer>();
        veneer->SetSkinData(store);
        LoadSkin();
        ShowAndPaint();
        return *veneer;
    }
    HWND Hwnd() const { return form->Handle(); }
    // Keys pressed in order and let go the other way round, as a chord is typed.
    void Keys(std::initializer_list<uint32_t> keys)
    {
        for (uint32_t key : keys)
            wm.Input().KeyDown(key);
        for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
            wm.Input().KeyUp(*it);
        Pump();
    }
    // The frame object of that name, or null.
    TvxActiveSkinObject* Object(const std::string& name) const
    {
        for (TvxActiveSkinObject* object : veneer->Objects().All())
            if (object->IDName() == name)
                return object;
        return nullptr;
    }
    // Lets ms pass on the clock in 5 ms steps, so that every timer tick falls due.
    void Run(int ms)
    {
        for (int t = 0; t < ms; t += 5)
            Pump(5);
    }
    // A window point on the screen.
    TPoint Screen(int x, int y) const
    {
        TRect r = wm.GetWindowRect(form->Handle());
        return { r.left + x, r.top + y };
    }
    int HitAt(int x, int y) const
    {
        TPoint p = Screen(x, y);
        return static_cast<int>(wm.SendMessage(form->Handle(), WM_NCHITTEST, 0, MakeLParam(p.x, p.y)));
    }
    // The demo skin with its INI changed by edit: the same pictures (the mask
    // dropped when keep_mask is off).
    PackageParts DemoParts(const std::function<void(std::string&)>& edit, bool keep_mask = true)
    {
        TvxSkinData& demo = form->Add<TvxSkinData>();
        TvxCompressedStoredSkin& skin = form->Add<TvxCompressedStoredSkin>();
        LoadDemoSkin(skin);
        demo.SetCompressedStoredSkin(&skin);
        PackageParts parts;
        parts.picture = demo.Picture();
        if (keep_mask)
            parts.mask = demo.Mask();
        for (int i = 0; i < demo.ActivePictureCount(); ++i)
            parts.active.push_back(*demo.ActivePicture(i));
        std::ifstream in(DemoSkinIniFile());
        std::stringstream text;
        text << in.rdbuf();
        parts.ini = text.str();
        edit(parts.ini);
        form->FreeComponent(&demo);
        form->FreeComponent(&skin);
        return parts;
    }
    // Replaces the value of key in the INI's section.
    static void SetKey(
        std::string& ini, const std::string& section, const std::string& key, const std::string& value)
    {
        size_t start = ini.find("[" + section + "]");
        size_t at = ini.find("\n" + key + "=", start);
        size_t end = ini.find('\n', at + 1);
        ini.replace(at + 1, end - at - 1, key + "=" + value);
    }
    // Loads other parts into the store at run time, as a skin change.
    void LoadParts(const PackageParts& parts)
    {
        auto& other = form->Add<TvxCompressedStoredSkin>();
        StoreSkin(other, parts);
        store->SetCompressedStoredSkin(&other);
        Pump();
    }

    TvxVeneer* veneer = nullptr;
};

} // namespace tessel::test
