#pragma once

#include "tessel/framework/TForm.h"
#include "tessel/skin/controls/TvxSkinControls.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxDataSkinCustomControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tests/framework/HeadlessApplication.h"
#include "tests/support/TSkinnedForm.h"
#include "tests/support/TestSkins.h"

namespace tessel::test {

// A headless application with a form holding a skin data store and a stored skin
// (the demo skin unless told otherwise).
class SkinFixture : public HeadlessApplication {
protected:
    TSkinnedForm& MakeForm(TRect bounds = { 0, 0, 600, 400 })
    {
        form = &Application().CreateForm<TSkinnedForm>();
        form->SetBoundsRect(bounds);
        store = &form->Add<TvxSkinData>();
        stored = &form->Add<TvxCompressedStoredSkin>();
        LoadDemoSkin(*stored);
        return *form;
    }
    // Loads the stored skin into the store.
    void LoadSkin() { store->SetCompressedStoredSkin(stored); }
    template<class T> T& Add(TWinControl& parent, TRect bounds)
    {
        T& control = form->Add<T>();
        control.SetParent(&parent);
        control.SetBoundsRect(bounds);
        return control;
    }
    void ShowAndPaint()
    {
        form->Show();
        Pump();
    }
    // A pixel of the form's window (its client is the whole window here), RGB.
    uint32_t Pixel(int x, int y) const { return wm.WindowSurface(form->Handle())->Pixel(x, y) & 0xFFFFFF; }
    // The pixels of a rectangle of the form's window.
    TBitmap Shot(const TRect& r) const
    {
        TBitmap out(r.Width(), r.Height());
        out.Canvas().CopySurface({ 0, 0, r.Width(), r.Height() }, *wm.WindowSurface(form->Handle()), r);
        return out;
    }
    // A control record's full composition at a size, as the drawing kit makes it.
    TBitmap Composed(const std::string& name, int width, int height)
    {
        auto* record
            = dynamic_cast<TvxDataSkinCustomControl*>(store->ControlList(store->GetControlIndex(name)));
        TvxElementGeometry g = TvxElementGeometry::FromRecord(*record);
        TBitmap out;
        TvxComposition::ComposeByMode(g, out, *store->ActivePicture(record->pictureindex), width, height);
        return out;
    }
    // A colour as the RGB of a window pixel.
    static uint32_t Rgb(TColor color) { return ColorToArgb(color) & 0xFFFFFF; }
    static bool SamePixels(const TBitmap& a, const TBitmap& b)
    {
        if (a.Width() != b.Width() || a.Height() != b.Height())
            return false;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if ((a.Surface().Pixel(x, y) ^ b.Surface().Pixel(x, y)) & 0xFFFFFF)
                    return false;
        return true;
    }

    TSkinnedForm* form = nullptr;
    TvxSkinData* store = nullptr;
    TvxCompressedStoredSkin* stored = nullptr;
};

} // namespace tessel::test
