#include "tessel/skin/data/TvxSkinRecordFactory.h"

#include "tessel/skin/data/TvxDataSkinAnimate.h"
#include "tessel/skin/data/TvxDataSkinAnimateControl.h"
#include "tessel/skin/data/TvxDataSkinBevel.h"
#include "tessel/skin/data/TvxDataSkinBitLabel.h"
#include "tessel/skin/data/TvxDataSkinBitLabelControl.h"
#include "tessel/skin/data/TvxDataSkinButton.h"
#include "tessel/skin/data/TvxDataSkinButtonControl.h"
#include "tessel/skin/data/TvxDataSkinCaption.h"
#include "tessel/skin/data/TvxDataSkinCheckListBox.h"
#include "tessel/skin/data/TvxDataSkinCheckRadioControl.h"
#include "tessel/skin/data/TvxDataSkinComboBox.h"
#include "tessel/skin/data/TvxDataSkinControl.h"
#include "tessel/skin/data/TvxDataSkinControlBar.h"
#include "tessel/skin/data/TvxDataSkinCustomControl.h"
#include "tessel/skin/data/TvxDataSkinEditControl.h"
#include "tessel/skin/data/TvxDataSkinExPanelControl.h"
#include "tessel/skin/data/TvxDataSkinFrameControl.h"
#include "tessel/skin/data/TvxDataSkinFrameGauge.h"
#include "tessel/skin/data/TvxDataSkinFrameGaugeObject.h"
#include "tessel/skin/data/TvxDataSkinFrameRegulator.h"
#include "tessel/skin/data/TvxDataSkinFrameRegulatorObject.h"
#include "tessel/skin/data/TvxDataSkinGauge.h"
#include "tessel/skin/data/TvxDataSkinGaugeControl.h"
#include "tessel/skin/data/TvxDataSkinGridControl.h"
#include "tessel/skin/data/TvxDataSkinLabel.h"
#include "tessel/skin/data/TvxDataSkinLabelControl.h"
#include "tessel/skin/data/TvxDataSkinListBox.h"
#include "tessel/skin/data/TvxDataSkinListView.h"
#include "tessel/skin/data/TvxDataSkinMainMenuBar.h"
#include "tessel/skin/data/TvxDataSkinMainMenuBarButton.h"
#include "tessel/skin/data/TvxDataSkinMainMenuBarItem.h"
#include "tessel/skin/data/TvxDataSkinMainMenuItem.h"
#include "tessel/skin/data/TvxDataSkinMemoControl.h"
#include "tessel/skin/data/TvxDataSkinMenuButtonControl.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/data/TvxDataSkinObject.h"
#include "tessel/skin/data/TvxDataSkinPanelControl.h"
#include "tessel/skin/data/TvxDataSkinRichEdit.h"
#include "tessel/skin/data/TvxDataSkinScrollBarControl.h"
#include "tessel/skin/data/TvxDataSkinScrollBoxControl.h"
#include "tessel/skin/data/TvxDataSkinSlider.h"
#include "tessel/skin/data/TvxDataSkinSpinEditControl.h"
#include "tessel/skin/data/TvxDataSkinSplitterControl.h"
#include "tessel/skin/data/TvxDataSkinStdButton.h"
#include "tessel/skin/data/TvxDataSkinStdLabelControl.h"
#include "tessel/skin/data/TvxDataSkinSwitch.h"
#include "tessel/skin/data/TvxDataSkinSwitchControl.h"
#include "tessel/skin/data/TvxDataSkinTabControl.h"
#include "tessel/skin/data/TvxDataSkinTrackBar.h"
#include "tessel/skin/data/TvxDataSkinTrackBarControl.h"
#include "tessel/skin/data/TvxDataSkinTreeView.h"
#include "tessel/skin/data/TvxDataSkinUpDownControl.h"
#include "tessel/skin/data/TvxDataUserObject.h"

#include <functional>
#include <utility>

namespace tessel {

namespace {

template<class Base, class T> std::unique_ptr<Base> Make(std::string name)
{
    return std::make_unique<T>(std::move(name));
}

template<class Base> using Maker = std::unique_ptr<Base> (*)(std::string);

template<class Base>
std::unique_ptr<Base> Create(const std::pair<std::string_view, Maker<Base>>* table, size_t size,
    std::string_view type, std::string name)
{
    for (size_t i = 0; i < size; ++i)
        if (table[i].first == type)
            return table[i].second(std::move(name));
    return nullptr;
}

using O = TvxDataSkinObject;
const std::pair<std::string_view, Maker<O>> kObjects[] = {
    { "button", Make<O, TvxDataSkinButton> },
    { "stdbutton", Make<O, TvxDataSkinStdButton> },
    { "mainmenubarbutton", Make<O, TvxDataSkinMainMenuBarButton> },
    { "caption", Make<O, TvxDataSkinCaption> },
    { "menuitem", Make<O, TvxDataSkinMenuItem> },
    { "mainmenuitem", Make<O, TvxDataSkinMainMenuItem> },
    { "mainmenubaritem", Make<O, TvxDataSkinMainMenuBarItem> },
    { "label", Make<O, TvxDataSkinLabel> },
    { "bitlabel", Make<O, TvxDataSkinBitLabel> },
    { "switch", Make<O, TvxDataSkinSwitch> },
    { "gauge", Make<O, TvxDataSkinGauge> },
    { "framegauge", Make<O, TvxDataSkinFrameGaugeObject> },
    { "frameregulator", Make<O, TvxDataSkinFrameRegulatorObject> },
    { "trackbar", Make<O, TvxDataSkinTrackBar> },
    { "animate", Make<O, TvxDataSkinAnimate> },
    { "userobject", Make<O, TvxDataUserObject> },
};

using C = TvxDataSkinControl;
const std::pair<std::string_view, Maker<C>> kControls[] = {
    { "panel", Make<C, TvxDataSkinPanelControl> },
    { "expanel", Make<C, TvxDataSkinExPanelControl> },
    { "button", Make<C, TvxDataSkinButtonControl> },
    { "menubutton", Make<C, TvxDataSkinMenuButtonControl> },
    { "checkradio", Make<C, TvxDataSkinCheckRadioControl> },
    { "gauge", Make<C, TvxDataSkinGaugeControl> },
    { "splitter", Make<C, TvxDataSkinSplitterControl> },
    { "trackbar", Make<C, TvxDataSkinTrackBarControl> },
    { "label", Make<C, TvxDataSkinLabelControl> },
    { "stdlabel", Make<C, TvxDataSkinStdLabelControl> },
    { "bitlabel", Make<C, TvxDataSkinBitLabelControl> },
    { "updown", Make<C, TvxDataSkinUpDownControl> },
    { "edit", Make<C, TvxDataSkinEditControl> },
    { "memo", Make<C, TvxDataSkinMemoControl> },
    { "spinedit", Make<C, TvxDataSkinSpinEditControl> },
    { "listbox", Make<C, TvxDataSkinListBox> },
    { "checklistbox", Make<C, TvxDataSkinCheckListBox> },
    { "combobox", Make<C, TvxDataSkinComboBox> },
    { "scrollbar", Make<C, TvxDataSkinScrollBarControl> },
    { "scrollbox", Make<C, TvxDataSkinScrollBoxControl> },
    { "controlbar", Make<C, TvxDataSkinControlBar> },
    { "mainmenubar", Make<C, TvxDataSkinMainMenuBar> },
    { "tab", Make<C, TvxDataSkinTabControl> },
    { "grid", Make<C, TvxDataSkinGridControl> },
    { "treeview", Make<C, TvxDataSkinTreeView> },
    { "listview", Make<C, TvxDataSkinListView> },
    { "richedit", Make<C, TvxDataSkinRichEdit> },
    { "slider", Make<C, TvxDataSkinSlider> },
    { "bevel", Make<C, TvxDataSkinBevel> },
    { "animate", Make<C, TvxDataSkinAnimateControl> },
    { "switch", Make<C, TvxDataSkinSwitchControl> },
    { "framegauge", Make<C, TvxDataSkinFrameGauge> },
    { "frameregulator", Make<C, TvxDataSkinFrameRegulator> },
};

} // namespace

std::unique_ptr<TvxDataSkinObject> TvxSkinRecordFactory::CreateObject(std::string_view type, std::string name)
{
    return Create<O>(kObjects, std::size(kObjects), type, std::move(name));
}

std::unique_ptr<TvxDataSkinControl> TvxSkinRecordFactory::CreateControl(
    std::string_view type, std::string name)
{
    return Create<C>(kControls, std::size(kControls), type, std::move(name));
}

} // namespace tessel
