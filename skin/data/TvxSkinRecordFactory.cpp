#include "skin/data/TvxSkinRecordFactory.h"

#include "skin/data/TvxDataSkinAnimate.h"
#include "skin/data/TvxDataSkinAnimateControl.h"
#include "skin/data/TvxDataSkinBevel.h"
#include "skin/data/TvxDataSkinBitLabel.h"
#include "skin/data/TvxDataSkinBitLabelControl.h"
#include "skin/data/TvxDataSkinButton.h"
#include "skin/data/TvxDataSkinButtonControl.h"
#include "skin/data/TvxDataSkinCaption.h"
#include "skin/data/TvxDataSkinCheckListBox.h"
#include "skin/data/TvxDataSkinCheckRadioControl.h"
#include "skin/data/TvxDataSkinComboBox.h"
#include "skin/data/TvxDataSkinControl.h"
#include "skin/data/TvxDataSkinControlBar.h"
#include "skin/data/TvxDataSkinCustomControl.h"
#include "skin/data/TvxDataSkinEditControl.h"
#include "skin/data/TvxDataSkinExPanelControl.h"
#include "skin/data/TvxDataSkinFrameControl.h"
#include "skin/data/TvxDataSkinFrameGauge.h"
#include "skin/data/TvxDataSkinFrameGaugeObject.h"
#include "skin/data/TvxDataSkinFrameRegulator.h"
#include "skin/data/TvxDataSkinFrameRegulatorObject.h"
#include "skin/data/TvxDataSkinGauge.h"
#include "skin/data/TvxDataSkinGaugeControl.h"
#include "skin/data/TvxDataSkinGridControl.h"
#include "skin/data/TvxDataSkinLabel.h"
#include "skin/data/TvxDataSkinLabelControl.h"
#include "skin/data/TvxDataSkinListBox.h"
#include "skin/data/TvxDataSkinListView.h"
#include "skin/data/TvxDataSkinMainMenuBar.h"
#include "skin/data/TvxDataSkinMainMenuBarButton.h"
#include "skin/data/TvxDataSkinMainMenuBarItem.h"
#include "skin/data/TvxDataSkinMainMenuItem.h"
#include "skin/data/TvxDataSkinMemoControl.h"
#include "skin/data/TvxDataSkinMenuButtonControl.h"
#include "skin/data/TvxDataSkinMenuItem.h"
#include "skin/data/TvxDataSkinObject.h"
#include "skin/data/TvxDataSkinPanelControl.h"
#include "skin/data/TvxDataSkinRichEdit.h"
#include "skin/data/TvxDataSkinScrollBarControl.h"
#include "skin/data/TvxDataSkinScrollBoxControl.h"
#include "skin/data/TvxDataSkinSlider.h"
#include "skin/data/TvxDataSkinSpinEditControl.h"
#include "skin/data/TvxDataSkinSplitterControl.h"
#include "skin/data/TvxDataSkinStdButton.h"
#include "skin/data/TvxDataSkinStdLabelControl.h"
#include "skin/data/TvxDataSkinSwitch.h"
#include "skin/data/TvxDataSkinSwitchControl.h"
#include "skin/data/TvxDataSkinTabControl.h"
#include "skin/data/TvxDataSkinTrackBar.h"
#include "skin/data/TvxDataSkinTrackBarControl.h"
#include "skin/data/TvxDataSkinTreeView.h"
#include "skin/data/TvxDataSkinUpDownControl.h"
#include "skin/data/TvxDataUserObject.h"

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
