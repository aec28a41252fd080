#include "tessel/framework/TImageList.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/menus/TvxImagesMenuLayout.h"
#include "tessel/skin/menus/TvxSkinImagesMenu.h"
#include "tessel/skin/menus/TvxSkinImagesMenuPopupWindow.h"
#include "tests/framework/HeadlessApplication.h"

#include <string>
#include <vector>

using namespace tessel;

namespace {

std::vector<TvxImagesMenuItem> Items(const std::string& kinds)
{
    // i: an image cell, h: a header, b: a button row.
    std::vector<TvxImagesMenuItem> items;
    for (char k : kinds) {
        items.emplace_back();
        items.back().ImageIndex = static_cast<int>(items.size() - 1) % 4;
        items.back().Header = k == 'h';
        items.back().Button = k == 'b';
        items.back().Caption = std::string(1, k);
    }
    return items;
}

std::vector<int> RowTops(const std::vector<TvxImagesMenuItem>& items)
{
    std::vector<int> tops;
    for (const auto& item : items)
        tops.push_back(item.CellRect.top);
    return tops;
}

class ImagesMenuTest : public test::HeadlessApplication {
protected:
    void SetUp() override
    {
        HeadlessApplication::SetUp();
        form = &NewForm({ 100, 100, 500, 400 });
        images = &form->Add<TImageList>();
        images->SetSize(16, 16);
        for (int i = 0; i < 4; ++i)
            images->Add(TBitmap(16, 16));
        menu = &form->Add<TvxSkinImagesMenu>();
        menu->SetImages(images);
        form->Show();
        Pump();
    }
    TPoint CellCentre(int i)
    {
        TRect r = menu->ImagesItems()[static_cast<size_t>(i)].CellRect;
        auto* w = menu->Window();
        return { w->Left() + r.left + r.Width() / 2, w->Top() + r.top + r.Height() / 2 };
    }
    TForm* form = nullptr;
    TImageList* images = nullptr;
    TvxSkinImagesMenu* menu = nullptr;
};

} // namespace

// Three columns: seven images give rows of 3, 3 and 1; a header after two cells
// starts a row of its own and the next image the row after it.
TEST_F(ImagesMenuTest, CellsFillRowsAndHeadersTakeRowsOfTheirOwn)
{
    auto items = Items("iiiiiii");
    TRect area = TvxImagesMenuLayout::Arrange(items, { 5, 5 }, { 16, 16 }, 3, 20);
    EXPECT_EQ(RowTops(items), (std::vector<int> { 5, 5, 5, 32, 32, 32, 59 }));
    EXPECT_EQ(items[6].CellRect, (TRect { 5, 59, 31, 85 }));
    EXPECT_EQ(area, (TRect { 5, 5, 5 + 78, 85 }));

    items = Items("iihib");
    TvxImagesMenuLayout::Arrange(items, { 5, 5 }, { 16, 16 }, 3, 20);
    EXPECT_EQ(RowTops(items), (std::vector<int> { 5, 5, 32, 53, 80 }));
    EXPECT_EQ(items[2].CellRect, (TRect { 5, 32, 83, 52 })) << "the header across the row";
    EXPECT_EQ(items[4].CellRect.Width(), 78) << "a button row across the row";

    // Keys: Right wraps past the header, Down finds the cell below.
    items = Items("iiihiii");
    TvxImagesMenuLayout::Arrange(items, { 5, 5 }, { 16, 16 }, 3, 20);
    EXPECT_EQ(TvxImagesMenuLayout::Move(items, 2, VK_RIGHT), 4);
    EXPECT_EQ(TvxImagesMenuLayout::Move(items, 6, VK_RIGHT), 0);
    EXPECT_EQ(TvxImagesMenuLayout::Move(items, 1, VK_DOWN), 5);
    EXPECT_EQ(TvxImagesMenuLayout::Move(items, 5, VK_UP), 1);
    EXPECT_EQ(TvxImagesMenuLayout::Move(items, -1, VK_LEFT), 6);
}

// Choosing by mouse sets the index and runs the events; choosing the selected item
// again runs the click events but tells no change; a press outside closes.
TEST_F(ImagesMenuTest, ChoosingTellsTheClickAndOnlyAChange)
{
    menu->SetColumnsCount(3);
    menu->ImagesItems() = Items("iiiiiii");
    std::vector<std::string> told;
    menu->ImagesItems()[4].OnClick = [&](TComponent*) { told.push_back("item"); };
    menu->OnItemClick = [&](TComponent*) { told.push_back("click"); };
    menu->OnChange = [&](TComponent*) { told.push_back("change"); };
    menu->OnMenuClose = [&](TComponent*) { told.push_back("close"); };
    menu->Popup({ 150, 150, 200, 170 });
    ASSERT_NE(menu->Window(), nullptr);
    EXPECT_EQ(menu->Window()->Top(), 170);
    wm.Input().MouseMove(CellCentre(4));
    Pump();
    EXPECT_EQ(menu->Window()->Hot(), 4);
    wm.Input().Click(TMouseButton::Left, CellCentre(4));
    Pump();
    EXPECT_EQ(menu->ItemIndex(), 4);
    EXPECT_EQ(told, (std::vector<std::string> { "close", "item", "click", "change" }));

    told.clear();
    menu->Popup({ 150, 150, 200, 170 });
    wm.Input().KeyDown(VK_RIGHT); // from no hot cell: the first
    wm.Input().KeyUp(VK_RIGHT);
    for (int i = 0; i < 4; ++i) {
        wm.Input().KeyDown(VK_RIGHT);
        wm.Input().KeyUp(VK_RIGHT);
    }
    wm.Input().KeyDown(VK_RETURN);
    wm.Input().KeyUp(VK_RETURN);
    Pump();
    EXPECT_EQ(menu->ItemIndex(), 4);
    EXPECT_EQ(told, (std::vector<std::string> { "close", "item", "click" }));

    told.clear();
    menu->Popup({ 150, 150, 200, 170 });
    wm.Input().Click(TMouseButton::Left, { 450, 380 });
    Pump();
    EXPECT_EQ(told, (std::vector<std::string> { "close" }));
    EXPECT_EQ(menu->ItemIndex(), 4);
    // Without images nothing opens.
    menu->SetImages(nullptr);
    menu->Popup({ 150, 150, 200, 170 });
    EXPECT_EQ(menu->Window(), nullptr);
}
