#include "app/TForm3.h"

#include "app/TStoredSkin.h"
#include "app/Unit3.h"
#include "app/content/TCollectionSettings.h"
#include "app/content/TContentCleanup.h"
#include "app/content/TContentNames.h"
#include "app/content/TContentPackage.h"
#include "app/content/TGameOptions.h"
#include "app/content/TPrivateFolder.h"
#include "tessel/framework/Exception.h"
#include "tessel/framework/SysUtils.h"
#include "tessel/framework/TFormReader.h"
#include "tessel/framework/TScreen.h"
#include "tessel/framework/TTimer.h"
#include "tessel/media/TMediaServer.h"
#include "tessel/media/TShockwaveFlash.h"
#include "tessel/media/TUri.h"
#include "tessel/media/TWebBrowser.h"
#include "tessel/platform/TLinkPolicy.h"
#include "tessel/platform/TProfileFile.h"
#include "tessel/platform/TShell.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/Utf8.h"
#include "tessel/skin/controls/TvxSkinMenuButton.h"
#include "tessel/skin/controls/TvxSkinPanel.h"
#include "tessel/skin/controls/TvxSkinToolBar.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/data/TvxSkinFormInfo.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"

#include <algorithm>
#include <cstdio>
#include <strings.h>
#include <sys/stat.h>

namespace tessel {

using namespace unit3;

namespace {

const char* const kSettings = TCollectionSettings::kFileName;

std::string& PackagePathSetting()
{
    static std::string path;
    return path;
}

std::function<bool(const std::string&)>& ShellOpen()
{
    static std::function<bool(const std::string&)> open
        = [](const std::string& a) { return TShell::Open(a); };
    return open;
}

// Settings text as a terminal line shows it: no control characters, not too long.
std::string Printable(const std::string& text)
{
    std::string out = text.substr(0, 200);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return text.size() > out.size() ? out + "..." : out;
}

bool IsFile(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

void TForm3::SetPackagePath(const std::string& path)
{
    PackagePathSetting() = path;
}

std::string TForm3::PackagePath()
{
    if (!PackagePathSetting().empty())
        return PackagePathSetting();
    return ExtractFilePath(TShell::ProgramPath()) + "Data.bin";
}

void TForm3::SetShellOpen(std::function<bool(const std::string&)> open)
{
    ShellOpen() = open ? std::move(open) : [](const std::string& a) { return TShell::Open(a); };
}

TForm3::TForm3(TComponent* owner)
    : TForm(owner)
{
    TFormReader reader(*this);
    SetCaption("Tessel");
    SetLeft(0);
    SetTop(0);
    SetClientWidth(956);
    SetClientHeight(782);
    SetBorderIcons(0);
    SetColor(clBtnFace);
    Font().SetName("Tahoma");
    Font().SetHeight(-11);
    Font().SetColor(clWindowText);
    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnClose = [this](TComponent* sender, TCloseAction& action) { FormClose(sender, action); };
    // The mode the last run ended in comes back once the window is on the screen.
    OnShow = [this](TComponent*) {
        if (m_state_mode_applied || !main)
            return;
        m_state_mode_applied = true;
        if (m_state.mode == TWindowMode::Maximized)
            main->SetFrameState(TvxFrameState::Maximized);
        else if (m_state.mode == TWindowMode::RolledUp)
            main->RollUp(true);
    };

    vxSkinToolBar1 = &reader.Create<TvxSkinToolBar>("vxSkinToolBar1", this, [](TvxSkinToolBar& b) {
        b.SetBounds(0, 0, 956, 25);
        b.SetAlign(alTop);
        b.SetSkinDataName("toolpanel");
        b.SetCaption("vxSkinToolBar1");
        b.SetBorderStyle(bvNone);
        b.SetAdjustControls(true);
        b.SetShowCaptions(false);
        b.SetTabOrder(0);
    });
    vxSkinMenuButton1
        = &reader.Create<TvxSkinMenuButton>("vxSkinMenuButton1", vxSkinToolBar1, [](TvxSkinMenuButton& b) {
              b.SetBounds(3, 0, 75, 25);
              b.SetSkinDataName("toolmenubutton");
              b.SetCaption("Games");
              b.SetUseSkinSize(true);
              b.SetTrackButtonMode(false);
              b.SetTabOrder(0);
          });
    vxSkinMenuButton2
        = &reader.Create<TvxSkinMenuButton>("vxSkinMenuButton2", vxSkinToolBar1, [](TvxSkinMenuButton& b) {
              b.SetBounds(84, 0, 75, 25);
              b.SetSkinDataName("toolmenubutton");
              b.SetCaption("Links");
              b.SetTabOrder(1);
          });
    auto panel = [](int top, int height, TAlign align, int tab_order) {
        return [=](TvxSkinPanel& p) {
            p.SetBounds(0, top, 956, height);
            p.SetAlign(align);
            p.SetSkinDataName("panel");
            p.SetBorderStyle(bvFrame);
            p.SetTabOrder(tab_order);
        };
    };
    vxSkinPanel1 = &reader.Create<TvxSkinPanel>("vxSkinPanel1", this, panel(632, 150, alBottom, 1));
    WebBrowser1 = &reader.Create<TWebBrowser>("WebBrowser1", vxSkinPanel1, [this](TWebBrowser& w) {
        w.SetBounds(1, 1, 954, 148);
        w.SetAlign(alClient);
        w.OnDocumentComplete = [this](TComponent*) { PageComplete(); };
    });
    vxSkinPanel2 = &reader.Create<TvxSkinPanel>("vxSkinPanel2", this, panel(25, 56, alTop, 2));
    WebBrowser2 = &reader.Create<TWebBrowser>("WebBrowser2", vxSkinPanel2, [this](TWebBrowser& w) {
        w.SetBounds(1, 1, 954, 54);
        w.SetAlign(alClient);
        w.OnDocumentComplete = [this](TComponent*) { PageComplete(); };
    });
    // The movie panel has no SkinData: it is always drawn by its default rules.
    vxSkinPanel3 = &reader.Create<TvxSkinPanel>("vxSkinPanel3", this, panel(81, 551, alClient, 3));
    ShockwaveFlash1
        = &reader.Create<TShockwaveFlash>("ShockwaveFlash1", vxSkinPanel3, [](TShockwaveFlash& f) {
              f.SetBounds(1, 1, 954, 549);
              f.SetAlign(alClient);
              f.SetWMode("Window");
              f.SetQuality("High");
              f.SetScale("ShowAll");
              f.SetPlaying(true);
              f.SetLoop(true);
              f.SetMenu(true);
              f.SetAllowNetworking("all");
              // A game's own full-screen button goes to the player's full screen.
              f.SetAllowFullScreen("true");
          });
    // The form skin controller: the window's frame comes from the skin.
    main = &reader.Create<TvxVeneer>("main", nullptr, [](TvxVeneer& v) {
        v.SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
        v.SetSizeable(true);
        v.SetSupportNCArea(true);
        v.SetShowIcon(false);
        v.SetHideCaptionButtons(false);
        v.SetMaximizeOnFullScreen(false);
    });
    vxSkinData1 = &reader.Create<TvxSkinData>("vxSkinData1", nullptr, [](TvxSkinData& d) {
        d.SetSkinnableForm(true);
        d.SetEnableSkinEffects(true);
        d.SetSkinIndex(0);
    });
    vxCompressedStoredSkin1 = &reader.Create<TvxCompressedStoredSkin>(
        "vxCompressedStoredSkin1", nullptr, [](TvxCompressedStoredSkin& s) {
            s.SetCompressedFileName(TStoredSkin::FileName());
            s.SetCompressedData(TStoredSkin::CompressedData());
        });
    Menu = &reader.Create<TvxSkinPopupMenu>("Menu");
    Menu1 = &reader.Create<TvxSkinPopupMenu>("Menu1");
    reader.Reference([this] {
        vxSkinToolBar1->SetSkinData(vxSkinData1);
        vxSkinMenuButton1->SetSkinData(vxSkinData1);
        vxSkinMenuButton1->SetSkinPopupMenu(Menu);
        vxSkinMenuButton2->SetSkinData(vxSkinData1);
        vxSkinMenuButton2->SetSkinPopupMenu(Menu1);
        vxSkinPanel1->SetSkinData(vxSkinData1);
        vxSkinPanel2->SetSkinData(vxSkinData1);
        main->SetSkinData(vxSkinData1);
        // Resolving the stored skin loads it.
        vxSkinData1->SetCompressedStoredSkin(vxCompressedStoredSkin1);
    });
    m_preload_timer = &Add<TTimer>();
    m_preload_timer->SetEnabled(false);
    m_preload_timer->SetInterval(2000);
    // A page that never finishes holds the player up no longer than this.
    m_preload_timer->SetOnTimer([this](TComponent*) {
        m_pages_loading = 0;
        PreloadPlayer();
    });
    // A large package's big entries unpack a part at a time while the window is up.
    m_unpack_timer = &Add<TTimer>();
    m_unpack_timer->SetEnabled(false);
    m_unpack_timer->SetInterval(1);
    m_unpack_timer->SetOnTimer([this](TComponent*) { UnpackStep(); });
    reader.End();
}

TForm3::~TForm3()
{
    TWindowManager::Instance().Input().SetViewKeyFilter(nullptr);
    if (Form3 == this)
        Form3 = nullptr;
}

void TForm3::FormCreate(TComponent*)
{
    // The player's keys: from the form's own windows through the controller's
    // shortcuts, from a focused page or movie through the window system.
    main->OnShortCut = [this](TWMKey& key, bool& handled) {
        handled = PlayerKey(key.CharCode, KeyDataToShiftState(key.KeyData));
    };
    TWindowManager::Instance().Input().SetViewKeyFilter(
        [this](const TInput::TViewKey& key) { return IsPlayerKey(key.vk, key.ctrl, key.alt); });
    // A double click on the movie with Alt held switches full screen as F11 does.
    ShockwaveFlash1->OnViewDblClick = [this](TComponent*, TShiftState shift) {
        if ((shift & (ssAlt | ssCtrl | ssShift)) == ssAlt)
            SetFullScreen(!m_full_screen);
    };
    // A game that asks for full screen (from a click) gets what F11 gives.
    ShockwaveFlash1->OnViewFullScreen = [this](TComponent*, bool on) { SetFullScreen(on); };
    // A failure here stops the start where it happens: the steps before it stand, the
    // window opens, and one line says why it is empty.
    try {
        // Folders that runs killed outright (or whose machine went down) left behind.
        TPrivateFolder::RemoveStale(TShell::TempPath());
        TempDir = TPrivateFolder::Create(TShell::TempPath());
        TContentCleanup::Arm(TempDir, {});
        UnpackContent();
        BuildGamesMenu();
        LoadGameOptions();
        LoadSettings();
        RestoreState();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tessel: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "tessel: the collection could not be started\n");
    }
    PreloadPlayerAfterPages();
}

bool TForm3::IsPlayerKey(uint32_t vk, bool ctrl, bool alt) const
{
    if (alt)
        return false;
    if (vk == VK_F11 || (vk == VK_ESCAPE && m_full_screen && !ctrl))
        return true;
    return vk == VK_PAUSE || (ctrl && (vk == 'P' || vk == 'M' || vk == VK_UP || vk == VK_DOWN));
}

void TForm3::SetFullScreen(bool on)
{
    if (on == m_full_screen || !HandleAllocated())
        return;
    m_full_screen = on;
    // The tool bar and the pages step aside; the movie's panel takes the client. They
    // come back pages first: a control shown takes the first place of its side.
    for (TControl* c : { static_cast<TControl*>(vxSkinPanel1), static_cast<TControl*>(vxSkinPanel2),
             static_cast<TControl*>(vxSkinToolBar1) })
        c->SetVisible(!on);
    if (on) {
        m_windowed_bounds = BoundsRect();
        // The monitor the window is on (most of it), frame and all.
        TWindowManager& wm = TWindowManager::Instance();
        MONITORINFO info;
        const TRect monitor
            = wm.GetMonitorInfo(wm.MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), info)
            ? info.rcMonitor
            : Screen().Monitors(0).rect;
        // The whole monitor, the desktop's panels' room too.
        main->SetMaximizeOnFullScreen(true);
        SetBorderStyle(bsNone);
        SetBoundsRect(monitor);
    } else {
        // The game learns that its full screen has ended.
        ShockwaveFlash1->LeaveFullScreen();
        main->SetMaximizeOnFullScreen(false);
        SetBorderStyle(bsSizeable);
        SetBoundsRect(m_windowed_bounds);
    }
    TWindowManager::Instance().SetWindowPos(
        Handle(), HWND_TOP, {}, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
}

bool TForm3::PlayerKey(uint32_t vk, TShiftState shift)
{
    if (!IsPlayerKey(vk, (shift & ssCtrl) != 0, (shift & ssAlt) != 0) || !ShockwaveFlash1)
        return false;
    TShockwaveFlash& player = *ShockwaveFlash1;
    if (vk == VK_F11 || vk == VK_ESCAPE)
        SetFullScreen(vk == VK_F11 && !m_full_screen);
    else if (vk == VK_PAUSE || vk == 'P')
        player.SetPaused(!player.Paused());
    else if (vk == 'M')
        player.SetMuted(!player.Muted());
    else
        player.SetVolume(player.Volume() + (vk == VK_UP ? 10 : -10));
    return true;
}

void TForm3::RestoreState()
{
    m_state_key = TPlayerState::PackageKey(PackagePath());
    if (m_state_key.empty())
        return;
    std::string problem;
    m_state = TPlayerState::Load(TPlayerState::FilePath(m_state_key), m_state_key, problem);
    if (!problem.empty() && problem != "no state file")
        std::fprintf(stderr, "tessel: %s; it is replaced at close\n", problem.c_str());
    std::vector<TRect> monitors;
    for (int i = 0; i < Screen().MonitorCount(); ++i)
        monitors.push_back(Screen().Monitors(i).rect);
    // A place off every monitor (a monitor since unplugged) is not taken.
    const TRect bounds = TPlayerState::OnScreen(m_state.bounds, monitors);
    if (!bounds.IsEmpty()) {
        const TPoint size = WindowSize({ bounds.Width(), bounds.Height() });
        SetBounds(bounds.left, bounds.top, size.x, size.y);
    }
    for (const auto& [item, file] : m_movie_files)
        if (file == m_state.last_game)
            item->SetChecked(true);
    ShockwaveFlash1->SetVolume(m_state.volume);
    ShockwaveFlash1->SetMuted(m_state.muted);
}

void TForm3::SaveState()
{
    if (m_state_key.empty())
        return;
    SetFullScreen(false);
    TPlayerState state = m_state;
    state.volume = ShockwaveFlash1->Volume();
    state.muted = ShockwaveFlash1->Muted();
    const bool maximized = main && main->FrameState() == TvxFrameState::Maximized;
    state.mode = maximized         ? TWindowMode::Maximized
        : main && main->RolledUp() ? TWindowMode::RolledUp
                                   : TWindowMode::Normal;
    // A maximised or rolled-up window keeps the place it comes back to.
    state.bounds = maximized && !main->RestoreBounds().IsEmpty() ? main->RestoreBounds() : BoundsRect();
    if (state.mode == TWindowMode::RolledUp)
        state.bounds.bottom = state.bounds.top + std::max(m_state.bounds.Height(), state.bounds.Height());
    std::string error;
    if (!state.Save(TPlayerState::FilePath(m_state_key), m_state_key, error))
        std::fprintf(stderr, "tessel: the window's state is not kept: %s\n", error.c_str());
}

void TForm3::PreloadPlayerAfterPages()
{
    if (m_pages_loading > 0)
        m_preload_timer->SetEnabled(true);
    else
        PreloadPlayer();
}

void TForm3::PageComplete()
{
    if (m_pages_loading > 0 && --m_pages_loading == 0)
        PreloadPlayer();
}

void TForm3::PreloadPlayer()
{
    m_preload_timer->SetEnabled(false);
    ShockwaveFlash1->Preload();
}

void TForm3::FormClose(TComponent*, TCloseAction&)
{
    m_unpack_timer->SetEnabled(false);
    m_unpacking.reset();
    m_pending.clear();
    try {
        SaveState();
    } catch (...) { }
    RemoveContent();
}

void TForm3::UnpackContent()
{
    const std::string path = PackagePath();
    TContentPackage package(path);
    try {
        package.ReadHeader(ContentTable);
    } catch (const EReadError&) {
        throw EStreamError(path + ": the package is damaged: it is shorter than its "
            + std::to_string(TContentTable::kHeaderSize) + "-byte header");
    }
    std::vector<std::string> names = TContentPackage::TargetNames(ContentTable);
    TContentCleanup::Arm(TempDir, names);
    // What a movie loads from beside itself is what the package unpacked, no more.
    TMediaServer::Instance().ServeFolder(TempDir, names);
    const int64_t contents
        = TContentPackage::EntryOffset(ContentTable, ContentTable.Entries()) - TContentTable::kHeaderSize;
    try {
        if (contents <= kUnpackAtOnceBytes) {
            package.UnpackEntries(ContentTable, TempDir);
            return;
        }
        // A large package: the small entries (the settings, pages) now, the rest a
        // part at a time once the window is up, its games offered as they arrive.
        m_unpacking = std::make_unique<TContentPackage>(path);
        for (int i = 0; i < ContentTable.Entries(); ++i) {
            if (ContentTable.FileSize(i) < 0)
                throw EReadError();
            int64_t done = 0;
            if (ContentTable.FileSize(i) <= kSmallEntryBytes)
                m_unpacking->UnpackEntryPart(ContentTable, i, TempDir, done, kSmallEntryBytes);
            else
                m_pending.push_back(i);
        }
    } catch (const EReadError&) {
        throw EStreamError(path + ": the package is damaged: " + DamageOf(path));
    }
    if (!m_pending.empty())
        m_unpack_timer->SetEnabled(true);
}

void TForm3::UnpackStep()
{
    try {
        if (!m_unpacking->UnpackEntryPart(
                ContentTable, m_pending.front(), TempDir, m_pending_done, kUnpackStepBytes))
            return;
        m_pending.erase(m_pending.begin());
        m_pending_done = 0;
        // A game is offered once its file is whole.
        for (const auto& [item, file] : m_movie_files)
            item->SetEnabled(Unpacked(file));
    } catch (const EReadError&) {
        std::fprintf(stderr, "tessel: %s: the package is damaged: %s\n", PackagePath().c_str(),
            DamageOf(PackagePath()).c_str());
        m_pending.clear();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tessel: %s\n", e.what());
        m_pending.clear();
    }
    if (m_pending.empty()) {
        m_unpack_timer->SetEnabled(false);
        m_unpacking.reset();
    }
}

bool TForm3::Unpacked(const std::string& name) const
{
    const std::vector<std::optional<std::string>> targets = TContentPackage::EntryTargets(ContentTable);
    for (int entry : m_pending)
        if (targets[static_cast<size_t>(entry)] == name)
            return false;
    return true;
}

std::string TForm3::DamageOf(const std::string& path) const
{
    for (int i = 0; i < ContentTable.Entries(); ++i)
        if (ContentTable.FileSize(i) < 0)
            return "entry " + std::to_string(i + 1) + " has a negative size";
    const int64_t promised = TContentPackage::EntryOffset(ContentTable, ContentTable.Entries());
    struct stat st;
    const int64_t actual = ::stat(path.c_str(), &st) == 0 ? static_cast<int64_t>(st.st_size) : 0;
    return "its header promises " + std::to_string(promised) + " bytes, the file has "
        + std::to_string(actual);
}

void TForm3::RemoveContent()
{
    if (TempDir.empty())
        return;
    TContentPackage::RemoveEntries(ContentTable, TempDir);
    TPrivateFolder::Remove(TempDir);
    TContentCleanup::Disarm();
}

void TForm3::BuildGamesMenu()
{
    for (const std::optional<std::string>& name : TContentPackage::EntryTargets(ContentTable)) {
        // Only movies are listed: any other file (the settings, a page the package
        // carries) would be an entry that plays nothing.
        if (!name || *name == kSettings || !TCollectionSettings::IsMovieName(*name))
            continue;
        TMenuItem& item = Menu->Items().Add(TContentNames::DropLastCharacters(*name, 4),
            [this](TComponent* sender) { GameItemClick(sender); });
        m_movie_files[&item] = *name;
        // A game still unpacking is offered once it is whole.
        item.SetEnabled(Unpacked(*name));
    }
}

void TForm3::LoadGameOptions()
{
    std::string file = TempDir + kSettings;
    if (m_movie_files.empty() || !IsFile(file))
        return;
    TProfileFile settings(file);
    for (const auto& [item, name] : m_movie_files)
        m_game_options[name] = TGameOptions::Read(settings, name, [](const std::string& problem) {
            std::fprintf(stderr, "tessel: %s %s\n", kSettings, problem.c_str());
        });
}

std::string TForm3::ContentAddress(const std::string& address) const
{
    if (!address.empty() && !TUri::HasScheme(address) && address.find('/') == std::string::npos
        && IsFile(TempDir + address))
        return TUri::FromFilePath(TempDir + address);
    return address;
}

void TForm3::LoadSettings()
{
    std::string file = TempDir + kSettings;
    if (!IsFile(file))
        return;
    if (TCollectionSettings::IsUtf16(file)) {
        std::fprintf(stderr,
            "tessel: %s: written in UTF-16; settings are read as UTF-8 or Windows-1252 text\n", file.c_str());
        return;
    }
    // Read once for the whole pass: a large file with many links stays quick.
    TProfileFile settings(file);
    auto text = [&](const char* section, const std::string& key) {
        return TCollectionSettings::Text(settings.String(section, key, ""));
    };
    auto number = [&](const char* section, const char* key) { return settings.Integer(section, key, 100); };
    const std::string nr = text("Links", "nr");
    try {
        LinkCount = StrToInt(nr);
    } catch (const EConvertError&) {
        throw EConvertError(file + ": [Links] nr is " + (nr.empty() ? "missing" : "\"" + nr + "\", no number")
            + "; the settings after it are not applied");
    }
    // Each n up to nr has its entry, written or not; past the bound nr is the bound.
    if (LinkCount > kMostLinks) {
        std::fprintf(stderr, "tessel: %s: [Links] nr=%d is more than %d; the menu has %d entries\n",
            file.c_str(), LinkCount, kMostLinks, kMostLinks);
        LinkCount = kMostLinks;
    }
    vxSkinMenuButton2->SetCaption(text("Links", "ButtonName"));
    const int bottom = std::max(0, number("BottomPanel", "height"));
    const int top = std::max(0, number("TopPanel", "height"));
    TPoint size = WindowSize({ number("Main", "width"), number("Main", "height") });
    SetHeight(size.y);
    SetWidth(size.x);
    // The tool bar and the smallest movie area stay: the panels give way, the bottom
    // one first.
    const int room = std::max(
        0, size.y - FrameSize().y - vxSkinToolBar1->Height() - kLeastMovie.y - 2 * kMoviePanelBorder);
    const int kept_bottom = std::min(bottom, std::max(0, room - std::min(top, room)));
    const int kept_top = std::min(top, room);
    if (kept_bottom != bottom || kept_top != top)
        std::fprintf(stderr,
            "tessel: %s: panels of %d (top) and %d (bottom) pixels leave no %d x %d movie in a %d-pixel high "
            "window; they are %d and %d\n",
            file.c_str(), top, bottom, kLeastMovie.x, kLeastMovie.y, size.y, kept_top, kept_bottom);
    vxSkinPanel1->SetHeight(kept_bottom);
    vxSkinPanel2->SetHeight(kept_top);
    SetCaption(text("Main", "title"));
    // A page that cannot be shown costs only its own panel.
    for (auto [browser, section] :
        { std::pair { WebBrowser1, "BottomPanel" }, std::pair { WebBrowser2, "TopPanel" } })
        try {
            browser->Navigate(ContentAddress(text(section, "link")));
            ++m_pages_loading;
        } catch (const Exception&) { }
    for (int n = 1; n <= LinkCount; ++n) {
        TMenuItem& item = Menu1->Items().Add(text("Links", "title" + std::to_string(n)),
            [this](TComponent* sender) { LinkItemClick(sender); });
        item.SetTag(n);
    }
}

TPoint TForm3::FrameSize() const
{
    if (vxSkinData1->Empty() || vxSkinData1->Picture().Empty())
        return { 0, 25 };
    const TvxSkinFormInfo& info = vxSkinData1->FormInfo();
    const TBitmap& picture = vxSkinData1->Picture();
    return { picture.Width() - info.clientrect.Width(), picture.Height() - info.clientrect.Height() };
}

TPoint TForm3::WindowSize(TPoint wanted) const
{
    // The skin's minimum is the frame's: FORMINFO's smallest width (else the frame
    // picture's) and the frame's height without the client area.
    const TPoint frame = FrameSize();
    TPoint least { 170, frame.y };
    if (!vxSkinData1->Empty() && !vxSkinData1->Picture().Empty()) {
        const int smallest = vxSkinData1->FormInfo().formminwidth;
        least.x = smallest > 0 ? smallest : vxSkinData1->Picture().Width();
    }
    // Room for the tool bar and the smallest movie area inside the frame.
    least.x = std::max(least.x, frame.x + kLeastMovie.x + 2 * kMoviePanelBorder);
    least.y = std::max(least.y, frame.y + vxSkinToolBar1->Height() + kLeastMovie.y + 2 * kMoviePanelBorder);
    TRect largest;
    for (int i = 0; i < Screen().MonitorCount(); ++i) {
        TRect work = Screen().Monitors(i).work;
        if (static_cast<int64_t>(work.Width()) * work.Height()
            > static_cast<int64_t>(largest.Width()) * largest.Height())
            largest = work;
    }
    return { std::clamp(wanted.x, least.x, std::max(least.x, largest.Width())),
        std::clamp(wanted.y, least.y, std::max(least.y, largest.Height())) };
}

void TForm3::GameItemClick(TComponent* sender)
{
    try {
        // The file unpacked under the entry's own name, whatever its caption shows.
        auto it = m_movie_files.find(dynamic_cast<TMenuItem*>(sender));
        if (it != m_movie_files.end() && Unpacked(it->second)) {
            auto options = m_game_options.find(it->second);
            ShockwaveFlash1->SetMovie(
                TempDir + it->second, options == m_game_options.end() ? TMovieOptions {} : options->second);
            // The game played last is the one the next run marks.
            m_state.last_game = it->second;
            for (const auto& [item, file] : m_movie_files)
                item->SetChecked(item == it->first);
        }
    } catch (...) { }
}

void TForm3::LinkItemClick(TComponent* sender)
{
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item)
        return;
    // The settings are read afresh: the address is what the file holds now.
    std::string link = TCollectionSettings::Text(
        TProfileFile::ReadString(TempDir + kSettings, "Links", "link" + std::to_string(item->Tag()), ""));
    // A packaged page, or an address a browser or mail program shows, goes to the
    // opener as a browser would take it; anything else (another scheme, a path, text
    // the opener would take for an option: it has no scheme) is refused with a line
    // that says so.
    const std::string address = ContentAddress(link);
    const bool packaged = address != link;
    std::optional<std::string> uri = TUri::HasScheme(address) ? TUri::Normalize(address) : std::nullopt;
    if (uri && (packaged || JudgeLink(*uri, true) == TLinkVerdict::Open)) {
        ShellOpen()(*uri);
        return;
    }
    std::fprintf(stderr,
        "tessel: Links entry %d (\"%s\") is not opened: only http, https and mailto "
        "addresses and the package's own pages are\n",
        item->Tag(), Printable(link).c_str());
}

} // namespace tessel
