#pragma once

#include <tessel/framework/TForm.h>

#include <string>

namespace tessel {
class TImageList;
class TvxCompressedStoredSkin;
class TvxSkinData;
class TvxSkinImagesMenu;
class TvxSkinPopupMenu;
class TvxVeneer;
} // namespace tessel

namespace tessel::gallery {

// The skinned menus and hints on a skinned window: a menu with a submenu, check and
// radio marks, images, a shortcut, a disabled entry and a header; a long menu that
// scrolls; an images menu of three columns; panels whose hints carry a title and
// two lines.
class MenusForm : public TForm {
public:
    MenusForm(TComponent* owner, const std::string& skin_file);

    TvxVeneer* Veneer() const { return m_veneer; }
    TvxSkinPopupMenu* Menu() const { return m_menu; }
    TvxSkinPopupMenu* LongMenu() const { return m_long; }
    TvxSkinImagesMenu* ImagesMenu() const { return m_images_menu; }

private:
    void MakeImages();
    void MakeMenus(TvxSkinData& store);
    void MakeHinted(TvxSkinData& store);

    TvxVeneer* m_veneer = nullptr;
    TImageList* m_images = nullptr;
    TvxSkinPopupMenu* m_menu = nullptr;
    TvxSkinPopupMenu* m_long = nullptr;
    TvxSkinImagesMenu* m_images_menu = nullptr;
};

} // namespace tessel::gallery
