#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TComponent.h"
#include "tessel/framework/TControl.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TFont.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TMenu.h"
#include "tessel/framework/TPopupMenu.h"
#include "tessel/skin/controls/TvxSkinStatusBar.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxFormIcon.h"
#include "tessel/skin/form/TvxFrameGeometry.h"
#include "tessel/skin/form/TvxFrameObjects.h"
#include "tessel/skin/form/TvxFrameShape.h"
#include "tessel/skin/form/TvxMagnet.h"
#include "tessel/skin/form/TvxMainMenuKeys.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"
#include "tessel/skin/form/objects/TvxMainMenuHost.h"
#include "tessel/skin/hint/TvxSkinHint.h"
#include "tessel/skin/menus/TvxMenuHost.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/tray/TvxTrayIcon.h"

#include <memory>

namespace tessel {

class TDeviceContext;
class TTimer;
class TvxSkinMainMenuBar; // complete in <tessel/skin/form/TvxSkinMainMenuBar.h>
struct MSG;
class TvxFrameLook;
class TMenuItem;
struct TvxFrameScene;

// The caption buttons a skinned frame offers: the framework's system menu, minimise
// and maximise, and roll-up and minimise to the tray.
// Where a form first shows: where it was put, or centred on its monitor or on the
// monitor's work area.
enum TvxPositionInMonitor { vxpDefault, vxpScreenCenter, vxpDesktopCenter };

enum TvxBorderIcon : uint8_t { biRollUp = 8, biMinimizeToTray = 16 };
using TvxBorderIcons = uint8_t;

// The form skin controller: it takes over the window procedure of the form that owns
// it, decides the frame's size, paints the frame from the skin (or the built-in frame
// without one), shapes the window from the skin's mask, paints the client background
// and follows the skin store's changes. The frame's objects (caption, buttons ...)
// get the mouse through it.
class TvxVeneer : public TComponent,
                  public TvxFrameObjectHost,
                  public TvxFrameObjectEvents,
                  public TvxMenuHost,
                  public TvxMainMenuHost {
public:
    explicit TvxVeneer(TComponent* owner);
    ~TvxVeneer() override;
    // The controller among a form's components, or none.
    static TvxVeneer* Of(const TCustomForm& form);
    const char* ClassName() const override { return "TvxVeneer"; }

    TvxSkinData* SkinData() const { return m_skin_data; }
    void SetSkinData(TvxSkinData* data);
    bool SupportNCArea() const { return m_support_nc_area; }
    void SetSupportNCArea(bool value);
    TvxBorderIcons BorderIcons() const { return m_border_icons; }
    void SetBorderIcons(TvxBorderIcons icons);
    bool HideCaptionButtons() const { return m_hide_caption_buttons; }
    void SetHideCaptionButtons(bool value);
    bool Sizeable() const { return m_sizeable; }
    void SetSizeable(bool value) { m_sizeable = value; }
    // The form's popup menu engine and the settings it takes from here.
    TvxSkinMenu& SkinMenu() override { return *m_skin_menu; }
    TvxSkinData* MenusSkinData() const override;
    void SetMenusSkinData(TvxSkinData* data);
    bool UseSkinFontInMenu() const;
    void SetUseSkinFontInMenu(bool value);
    int MaxMenuItemsInWindow() const;
    void SetMaxMenuItemsInWindow(int value);
    int DefMenuItemHeight() const;
    void SetDefMenuItemHeight(int value);
    TFont& DefMenuItemFont();
    bool MenusAlphaBlend() const;
    void SetMenusAlphaBlend(bool value);
    bool MenusAlphaBlendAnimation() const;
    void SetMenusAlphaBlendAnimation(bool value);
    uint8_t MenusAlphaBlendValue() const;
    void SetMenusAlphaBlendValue(uint8_t value);
    bool ShowIcon() const override { return m_show_icon; }
    void SetShowIcon(bool value);
    const TBitmap& SmallIcon() override;
    bool MaximizeOnFullScreen() const { return m_maximize_on_full_screen; }
    void SetMaximizeOnFullScreen(bool value) { m_maximize_on_full_screen = value; }
    int MinWidth() const { return m_min_width; }
    void SetMinWidth(int value) { m_min_width = value; }
    int MinHeight() const { return m_min_height; }
    void SetMinHeight(int value) { m_min_height = value; }
    int MaxWidth() const { return m_max_width; }
    void SetMaxWidth(int value) { m_max_width = value; }
    int MaxHeight() const { return m_max_height; }
    void SetMaxHeight(int value) { m_max_height = value; }
    int ClientWidth() const { return m_client_width; }
    void SetClientWidth(int value) { m_client_width = value; }
    int ClientHeight() const { return m_client_height; }
    void SetClientHeight(int value) { m_client_height = value; }
    TBitmap& LogoBitMap() { return m_logo; }
    bool LogoBitMapTransparent() const { return m_logo_transparent; }
    void SetLogoBitMapTransparent(bool value) { m_logo_transparent = value; }
    TFont& DefCaptionFont() { return m_def_caption_font; }
    TFont& DefInActiveCaptionFont() { return m_def_inactive_caption_font; }

    // Dragging: by the caption, and in client mode by any point without an object;
    // edges that come near the work area's snap to it.
    bool DraggAble() const { return m_draggable; }
    void SetDraggAble(bool value) { m_draggable = value; }
    bool Magnetic() const { return m_magnetic; }
    void SetMagnetic(bool value) { m_magnetic = value; }
    uint8_t MagneticSize() const { return m_magnetic_size; }
    void SetMagneticSize(uint8_t value) { m_magnetic_size = value; }
    // Whole-window alpha, and the fade-in when the form shows.
    bool AlphaBlend() const { return m_alpha_blend; }
    void SetAlphaBlend(bool value);
    uint8_t AlphaBlendValue() const { return m_alpha_blend_value; }
    void SetAlphaBlendValue(uint8_t value);
    bool AlphaBlendAnimation() const { return m_alpha_blend_animation; }
    void SetAlphaBlendAnimation(bool value) { m_alpha_blend_animation = value; }
    // The frame objects' hints, shown by the hint component.
    TvxSkinHint* SkinHint() const { return m_skin_hint; }
    void SetSkinHint(TvxSkinHint* hint);
    bool ShowObjectHint() const { return m_show_object_hint; }
    void SetShowObjectHint(bool value) { m_show_object_hint = value; }
    bool UseDefaultObjectHint() const { return m_use_default_object_hint; }
    void SetUseDefaultObjectHint(bool value);
    // In client mode the form's cursor follows the skin's cursor of the hot object.
    bool UseSkinCursors() const { return m_use_skin_cursors; }
    void SetUseSkinCursors(bool value) { m_use_skin_cursors = value; }
    bool UseFormCursorInNCArea() const { return m_use_form_cursor_in_nc_area; }
    void SetUseFormCursorInNCArea(bool value) { m_use_form_cursor_in_nc_area = value; }
    // The main menu shown as entries in the frame (the skin's main-menu rectangle);
    // Alt+letter reaches its entries.
    TMainMenu* MainMenu() const { return m_main_menu; }
    void SetMainMenu(TMainMenu* menu);
    // The menu bar on the form: when set, the keyboard's menu mode goes to it.
    TvxSkinMainMenuBar* MainMenuBar() const { return m_main_menu_bar; }
    void SetMainMenuBar(TvxSkinMainMenuBar* bar);
    // The keyboard menu mode (Alt or F10): the arrows move over the main menu's
    // entries, Enter or Down opens one, Escape leaves.
    bool MainMenuMode() const { return m_main_menu_mode; }
    void EnterMainMenuMode();
    void LeaveMainMenuMode();
    // A main-menu entry opened its menu: the skinned menu and the menu mode begin.
    void MainMenuOpened();
    // The notification-area icon the form minimises to.
    TvxTrayIcon* TrayIcon() const { return m_tray_icon; }
    void SetTrayIcon(TvxTrayIcon* icon);
    bool AlwaysShowInTray() const { return m_always_show_in_tray; }
    void SetAlwaysShowInTray(bool value);
    bool AlwaysMinimizeToTray() const { return m_always_minimize_to_tray; }
    void SetAlwaysMinimizeToTray(bool value) { m_always_minimize_to_tray = value; }
    void MinimizeToTray();
    void RestoreFromTray();
    // The state around a skinned menu of the frame (the system menu): the wheel is
    // kept from the form meanwhile; OnSkinMenuOpen and OnSkinMenuClose tell.
    void EnterSkinnedMenu();
    void LeaveSkinnedMenu();
    bool SkinnedMenuOpen() const { return m_skinned_menu_open; }
    // The tray icon's own menu when the program gives it none.
    TPopupMenu& TrayMenu();

    TNotifyEvent OnChangeSkinData, OnActivate, OnDeActivate;
    TNotifyEvent OnMaximize, OnMinimize, OnRestore, OnChangeRollUpState;
    TNotifyEvent OnMinimizeToTray, OnRestoreFromTray;
    TNotifyEvent OnSkinMenuOpen, OnSkinMenuClose;
    TNotifyEvent OnMainMenuEnter, OnMainMenuExit;
    // Whether a caption button with a custom command shows.
    std::function<void(const std::string& id_name, bool& object_visible)> OnActivateCustomObject;
    // Runs before the controller's own shortcut handling; setting handled ends it.
    TShortCutEvent OnShortCut;
    std::function<void(const TRect&)> OnChangeClientRect;
    std::function<void(TCanvas&, const TRect&, bool)> OnCaptionPaint;

    TCustomForm& Form() const { return *m_form; }
    const TvxFrameObjects& Objects() const { return m_objects; }
    const TvxFrameGeometry& Geometry() const { return m_geometry; }
    // The controls client mode places in the skin's areas, in the form's order.
    size_t AnchoredCount() const { return m_anchored.size(); }
    TvxFrameState FrameState() const override { return m_frame_state; }
    bool RolledUp() const override { return m_rolled_up; }
    bool SkinActive() const { return m_skin_active; }
    bool Skinnable() const { return m_skinnable; }
    // The minimum and maximum outer sizes of the form.
    TPoint MinimumSize() const;
    TPoint MaximumSize() const;
    // Whether the form's frame is the skin's (or the built-in one) or the desktop's:
    // the store's SkinnableForm, followed when it changes.
    void SetSkinnable(bool value);
    // The frame state the caption buttons and the caption ask for.
    // The controller's own frame states: it moves and sizes the window itself (only
    // the program's main form is minimised through the application).
    void SetFrameState(TvxFrameState state);
    // Rolls the form up to its caption (client mode: the roll-up picture) or down again.
    void RollUp(bool value);
    const TRect& RestoreBounds() const { return m_restore_bounds; }
    // The system menu: the user's (with the frame's entries unless UseDefaultSysMenu
    // is off), else the controller's own.
    TvxPositionInMonitor PositionInMonitor() const { return m_position_in_monitor; }
    void SetPositionInMonitor(TvxPositionInMonitor value) { m_position_in_monitor = value; }
    // The status bar whose size grip hides while the form is maximised.
    TvxSkinStatusBar* StatusBar() const { return m_status_bar; }
    void SetStatusBar(TvxSkinStatusBar* bar);
    TPopupMenu* SystemMenu() const { return m_system_menu; }
    void SetSystemMenu(TPopupMenu* menu);
    bool UseDefaultSysMenu() const { return m_use_default_sys_menu; }
    void SetUseDefaultSysMenu(bool value) { m_use_default_sys_menu = value; }
    // Fills the system menu for the form's state; the menu that shows.
    TMenu& BuildSystemMenu();
    void ShowSystemMenu(const TRect& anchor);

    // TvxFrameObjectHost
    const TvxSkinData* LoadedSkin() const override;
    bool SkinEffects() const override;
    bool IsFormActive() const override;
    bool ClientMode() const override { return !m_support_nc_area; }
    std::string FormCaption() const override;
    void StartMorphTimer() override;
    void StartAnimationTimer() override;
    void DrawObjectNow(TvxActiveSkinObject& object) override;
    void RunCommand(TvxFrameCommand command) override;
    const TvxFrameObjectEvents& Events() const override { return *this; }

    // TvxMainMenuHost
    TvxSkinMainMenuItem* DownMainMenuItem() const override;
    TvxSkinMainMenuItem* ActiveMainMenuItem() const override;
    void OpenMainMenuItem(TvxSkinMainMenuItem& item) override;
    void RunMainMenuItem(TvxSkinMainMenuItem& item) override;
    bool PressClosedMenuOf(const TvxSkinMainMenuItem& item) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void WindowProc(TMessage& message);
    bool Handle(TMessage& message);
    void RouteMouse(TMessage& message);
    // The mouse in client mode: the frame's objects lie in the client area.
    void RouteClientMouse(TMessage& message);
    void CallSaved(TMessage& message) { m_saved(message); }
    HWND FormHandle() const;
    TPoint ToWindow(TPoint screen) const;

    // Messages to the form that close an open menu.
    void CloseMenusOn(const TMessage& message);
    void ApplySkin();
    void UpdateObjectVisibility();
    void RefreshSize();
    // The system-menu button's size when it shows the form's icon.
    TPoint SmallIconSize() const;
    // Every object where its skin rectangle maps for the cached size, and the caption
    // row in non-client mode.
    void LayoutObjects();
    // Geometry, object layout and region for the cached size, then the events.
    void Update(bool layout);
    void UpdateWindowRegion(bool resizing);
    void UpdateActivation(bool repaint);
    void RepaintFrame();
    void PaintFrame(TDeviceContext& dc);
    // The whole frame as the client area's background, for a window without a frame.
    void PaintClientFrame(TDeviceContext& dc);
    // A client-mode skin sets the form's client size: at least the picture's, or exactly
    // it for a skin that does not size.
    void FitClientToSkin();
    // Client mode: the skinned controls that name an area of the skin stand in it.
    void CollectAnchoredControls();
    void PlaceAnchoredControls();
    void PaintBackground(TDeviceContext& dc);
    TvxFrameScene Scene();
    void MakeBuiltInButtons();
    int HitTest(TPoint window_point);
    // Dragging and snapping.
    void Moving(TRect& proposed);
    void StartDrag(TPoint screen);
    void Drag();
    void StopDrag();
    TRect SnapArea() const;
    // The fade-in as the form shows, and its step timer.
    void PrepareFadeIn();
    void FadeIn();
    void UpdateObjectHints();
    void ObjectHotChanged(TvxActiveSkinObject* previous, TvxActiveSkinObject* now);
    void HideObjectHint();
    // Alt+letter: the main-menu item whose accelerator it is, opened.
    bool MainMenuAccelerator(char32_t key);
    // The entries the keyboard moves over: the menu bar's, else the frame's.
    TvxMainMenuKeys::TEntries MainMenuEntries() const;
    // The application hook is there while a skinned menu is open or the menu mode is on.
    void UpdateMenuHook();
    // A key in the menu mode while no menu is open; whether it was taken.
    bool MainMenuKey(const MSG& msg);
    // A key the open menu is about to take: Left and Right move between entries.
    bool MainMenuPopupKey(uint16_t key);
    // The open main-menu entry goes back up (its menu closed).
    void ReleaseMainMenuEntry();
    // The main menu's entries in the frame: made from the skin's "mainmenuitem"
    // record, laid out in its main-menu rectangle.
    std::vector<TvxSkinMainMenuItem*> FrameMenuItems() const;
    TvxMainMenuKeys::TEntries FrameMenuEntries() const;
    void BuildMainMenuItems();
    // A menu item of a frame entry is going: the entry goes with it.
    void ForgetMainMenuItem(TComponent* component);
    void LayoutMainMenuItems();
    void MinimizeCommand();
    void ForgetTrayIcon();
    void OnHover();
    void OnMorph();
    void OnAnimate();
    void ExecuteCommand(TvxFrameCommand command);
    // A double click on the caption: back from minimised, maximise, back from
    // maximised, or roll up or down.
    void CaptionDoubleClick();
    void RestoreState();
    void MinimizeState();
    // A maximised MDI child takes its MDI form's whole free client area.
    void FitMaximizedChild();
    void TellMDIChildRestored();
    // MDIChildMaximizedNotice, MDIChildRestoredNotice on the MDI form.
    void MDIChildNotice(const TMessage& message);
    void MaximizeState();
    void RollUpClientMode(bool value);
    void SystemMenuCommand(TvxFrameCommand command);
    // The bounds centred on the form's monitor (or its work area) as PositionInMonitor says.
    TRect CentredBounds(const TRect& bounds) const;
    void FirstShow();
    void ShowSystemMenuAtButton();
    // A frame text from the skin's resource strings, else the built-in one.
    std::string FrameText(const char* name, const char* fallback) const;
    // The form's shortcuts: Alt+Space opens the system menu.
    void HandleShortCut(TWMKey& key, bool& handled);
    bool HasSkinFrame() const;
    int CaptionHeight() const;

    TCustomForm* m_form = nullptr;
    TControl::TWndMethod m_saved;
    TvxSkinData* m_skin_data = nullptr;
    TvxSkinData* m_menus_skin_data = nullptr;
    TvxSkinMenu* m_skin_menu = nullptr;
    bool m_support_nc_area = true;
    TvxBorderIcons m_border_icons;
    bool m_hide_caption_buttons = false;
    bool m_sizeable = true;
    bool m_show_icon = false;
    bool m_maximize_on_full_screen = false;
    int m_min_width = 0, m_min_height = 0, m_max_width = 0, m_max_height = 0;
    int m_client_width = 0, m_client_height = 0;
    TBitmap m_logo;
    TvxFormIcon m_icon;
    bool m_logo_transparent = false;
    TFont m_def_caption_font, m_def_inactive_caption_font;

    bool m_skin_active = false;
    bool m_skinnable = true;
    TvxFrameState m_frame_state = TvxFrameState::Normal;
    bool m_rolled_up = false;
    bool m_rolled_up_while_maximized = false;
    bool m_maximized_rolled_up = false;
    TRect m_restore_bounds;
    int m_unrolled_height = 0;
    std::vector<TControl*> m_hidden_by_rollup;
    TPopupMenu* m_system_menu = nullptr;
    TvxSkinStatusBar* m_status_bar = nullptr;
    TvxPositionInMonitor m_position_in_monitor = vxpDefault;
    bool m_first_show = true;
    bool m_use_default_sys_menu = true;
    std::unique_ptr<TPopupMenu> m_own_system_menu;
    TShortCutEvent m_previous_short_cut;
    bool m_in_size_move = false;
    bool m_size_move_started = false;
    bool m_full_drag = true;
    TvxFrameGeometry m_geometry;
    TRect m_default_caption_rect;
    TvxFrameShape m_shape;
    TvxFrameObjects m_objects;
    struct TAnchored {
        TControl* control;
        TRect area;
    };
    std::vector<TAnchored> m_anchored;
    std::unique_ptr<TvxFrameLook> m_skin_look, m_built_in_look, m_client_look;
    std::unique_ptr<TTimer> m_morph_timer, m_animation_timer, m_hover_timer;
    uint32_t m_command_message = 0;
    bool m_draggable = false;
    bool m_dragging = false;
    TPoint m_drag_point;
    bool m_magnetic = false;
    uint8_t m_magnetic_size = 10;
    TvxMagnet m_magnet;
    bool m_alpha_blend = false;
    uint8_t m_alpha_blend_value = 200;
    bool m_alpha_blend_animation = false;
    TvxSkinHint* m_skin_hint = nullptr;
    bool m_show_object_hint = false;
    bool m_use_default_object_hint = true;
    bool m_object_hint_shown = false;
    bool m_use_form_cursor_in_nc_area = false;
    bool m_use_skin_cursors = false;
    bool m_skinned_menu_open = false;
    int m_menu_hook = 0;
    TMainMenu* m_main_menu = nullptr;
    TvxSkinMainMenuBar* m_main_menu_bar = nullptr;
    bool m_main_menu_mode = false;
    const TvxSkinMainMenuItem* m_frame_closed_by_press = nullptr;
    TvxTrayIcon* m_tray_icon = nullptr;
    bool m_always_show_in_tray = false;
    bool m_always_minimize_to_tray = false;
    std::unique_ptr<TPopupMenu> m_tray_menu;
    bool m_gave_dbl_click = false;
};

} // namespace tessel
