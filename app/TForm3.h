#pragma once

#include "app/TPlayerState.h"
#include "app/content/TCollectionSettings.h"
#include "tessel/framework/TForm.h"
#include "tessel/media/TMovieOptions.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tessel {

class TContentPackage;
class TMenuItem;
class TShockwaveFlash;
class TTimer;
class TvxCompressedStoredSkin;
class TvxSkinData;
class TvxSkinMenuButton;
class TvxSkinPanel;
class TvxSkinPopupMenu;
class TvxSkinToolBar;
class TvxVeneer;
class TWebBrowser;

// The main window: a tool bar with the Games and Links buttons, the top and bottom
// web panels and the movie panel between them. At creation it unpacks the content
// package beside the program into a private folder, fills the Games menu with the
// movies, applies settings1.ini and fills the Links menu; at close it removes the
// unpacked content again.
class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner = nullptr);
    ~TForm3() override;

    // Where the content package is read from: "Data.bin" beside the program unless
    // set otherwise (tests set it before the form is made).
    static void SetPackagePath(const std::string& path);
    static std::string PackagePath();
    // How a link is opened: the desktop's default handler unless set otherwise.
    static void SetShellOpen(std::function<bool(const std::string&)> open);
    // The most Links entries the settings' nr makes.
    static constexpr int kMostLinks = TCollectionSettings::kMostLinks;
    // A package whose contents pass this unpacks its entries past kSmallEntryBytes
    // after the window is up, kUnpackStepBytes at a time.
    static constexpr int64_t kUnpackAtOnceBytes = 64 << 20;
    static constexpr int64_t kSmallEntryBytes = 1 << 20;
    static constexpr int64_t kUnpackStepBytes = 8 << 20;
    // The smallest movie area a window from the settings keeps, and the movie panel's
    // frame around it.
    static constexpr TPoint kLeastMovie { 160, 120 };
    static constexpr int kMoviePanelBorder = 1;

    // The components, in the form description's field order.
    TvxSkinData* vxSkinData1 = nullptr;
    TvxCompressedStoredSkin* vxCompressedStoredSkin1 = nullptr;
    TvxSkinToolBar* vxSkinToolBar1 = nullptr;
    TvxSkinMenuButton* vxSkinMenuButton1 = nullptr;
    TvxSkinPopupMenu* Menu = nullptr;
    TvxSkinPanel* vxSkinPanel1 = nullptr;
    TWebBrowser* WebBrowser1 = nullptr;
    TvxSkinMenuButton* vxSkinMenuButton2 = nullptr;
    TvxSkinPopupMenu* Menu1 = nullptr;
    TvxSkinPanel* vxSkinPanel2 = nullptr;
    TWebBrowser* WebBrowser2 = nullptr;
    TvxSkinPanel* vxSkinPanel3 = nullptr;
    TShockwaveFlash* ShockwaveFlash1 = nullptr;
    TvxVeneer* main = nullptr;

    void FormCreate(TComponent* sender);
    void FormClose(TComponent* sender, TCloseAction& action);

private:
    void UnpackContent();
    // What is wrong with a package whose entries end early (or have a negative size).
    std::string DamageOf(const std::string& path) const;
    // A part of the entry unpacking now; the games whose files are whole are offered.
    void UnpackStep();
    // Whether the file of that name is whole (no entry of the name still unpacking).
    bool Unpacked(const std::string& name) const;
    void BuildGamesMenu();
    void LoadSettings();
    // Each game's own options, from its section of the settings.
    void LoadGameOptions();
    void GameItemClick(TComponent* sender);
    void LinkItemClick(TComponent* sender);
    void RemoveContent();
    // The state this package's last run left: the window's place and mode, the last
    // game (checked in the Games menu). Kept at close.
    void RestoreState();
    void SaveState();
    // The player's own keys, whichever view has the focus, chosen so that games keep
    // theirs: Pause or Ctrl+P pauses and resumes, Ctrl+M mutes, Ctrl+Up and Ctrl+Down
    // change the volume by 10 %. Whether the key was one.
    // F11 (and Escape while it lasts) also: the movie fills the monitor.
    bool IsPlayerKey(uint32_t vk, bool ctrl, bool alt) const;
    bool PlayerKey(uint32_t vk, TShiftState shift);

public:
    // The movie alone over the whole monitor, without frame, tool bar and pages; off,
    // the window comes back as it was.
    bool FullScreen() const { return m_full_screen; }
    void SetFullScreen(bool on);

private:
    // A settings address as the web views and the shell take it: a bare name of an
    // unpacked file becomes that file's address.
    std::string ContentAddress(const std::string& address) const;
    // The player's page (Ruffle's start) loads after the panels' pages have, or
    // after a while, so that it does not slow them down.
    // The window's outer size from the settings, kept between the smallest that holds
    // the frame, the tool bar and the smallest movie area, and the work area of the
    // largest monitor.
    TPoint WindowSize(TPoint wanted) const;
    // How much wider and higher the window is than its client area: the skin's frame.
    TPoint FrameSize() const;
    void PreloadPlayerAfterPages();
    void PageComplete();
    void PreloadPlayer();

    // The file each Games entry plays.
    std::map<TMenuItem*, std::string> m_movie_files;
    // The options each movie file is played with.
    std::map<std::string, TMovieOptions> m_game_options;
    std::string m_state_key;
    TPlayerState m_state;
    bool m_state_mode_applied = false;
    bool m_full_screen = false;
    TRect m_windowed_bounds;
    int m_pages_loading = 0;
    TTimer* m_preload_timer = nullptr;
    // The entries of a large package still to unpack, in order, and what of the first
    // is written.
    std::unique_ptr<TContentPackage> m_unpacking;
    std::vector<int> m_pending;
    int64_t m_pending_done = 0;
    TTimer* m_unpack_timer = nullptr;
};

} // namespace tessel
