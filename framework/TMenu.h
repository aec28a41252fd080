#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/TComponent.h"
#include "tessel/framework/TImageList.h"
#include "tessel/framework/TMenuItem.h"

#include <memory>

namespace tessel {

// A menu: a tree of items under one root item, the image list its items' image
// indexes point into, the command dispatch that runs the item a command number
// names, and the shortcut test.
class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner = nullptr);
    ~TMenu() override;

    TMenuItem& Items() { return *m_items; }
    const TMenuItem& Items() const { return *m_items; }
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);

    TMenuItem* FindItem(uint16_t command) { return m_items->Find(command); }
    // Runs the item with the command; false when the menu has none.
    bool DispatchCommand(uint16_t command);
    // Runs the first enabled, shown item whose shortcut is the key's; false when none.
    bool IsShortCut(const TWMKey& message);

    const char* ClassName() const override { return "TMenu"; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<TMenuItem> m_items;
    TImageList* m_images = nullptr;
};

} // namespace tessel
