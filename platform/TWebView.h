#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tessel {

// The answer to a request for an address of a program-served scheme: the bytes,
// or the file that holds them (served from a mapping of it, never copied).
struct TWebResponse {
    bool found = false;
    std::string content_type;
    std::string bytes;
    std::string file;
};

// Answers requests for one scheme's addresses (the whole address is given).
using TSchemeHandler = std::function<TWebResponse(const std::string& uri)>;

// How the embedded web views of the process are set up; given once, before the
// first view is made.
struct TWebConfig {
    // Where pages keep what survives a restart (local storage) and their cache.
    std::string data_folder;
    std::string cache_folder;
    std::vector<std::string> languages { "en-US" };
    struct Scheme {
        std::string name;
        TSchemeHandler handler;
    };
    // Schemes served by the program; they count as secure, and only the program's
    // own views (TWebViewKind::Program) are answered.
    std::vector<Scheme> schemes;
};

// What a view may do. A page view shows pages of any origin as strangers: they
// cannot read the program's schemes, open no window by themselves (a window the user
// asked for goes to the desktop's opener), and their dialogs never block. The
// program's own view (the movie player's page) reads the program's schemes and stays
// on them: its main frame goes nowhere else.
enum class TWebViewKind { Page, Program };

// The modifier keys held during a click in a view.
struct TViewModifiers {
    bool ctrl = false, shift = false, alt = false;
};

// An embedded web view of the desktop. It is shown over a host window's client
// area through TNativeViews, with its Native() handle.
class TWebView {
public:
    virtual ~TWebView() = default;

    // The backend's own widget.
    virtual void* Native() = 0;
    // Starts loading the address; false when the view refuses it.
    virtual bool LoadUri(const std::string& uri) = 0;
    virtual void RunScript(const std::string& script) = 0;
    // Gives the view the keyboard focus.
    virtual void Focus() = 0;
    // Pages talk back to the program through their title: called on every change.
    virtual void SetTitleChanged(std::function<void(const std::string&)> handler) = 0;
    // Called when the main frame has finished loading, or failed to.
    virtual void SetLoadFinished(std::function<void()> handler) = 0;
    // Called on a double click of the left button in the view, with the modifiers
    // held. The page sees the clicks as well.
    virtual void SetDoubleClicked(std::function<void(const TViewModifiers&)> handler) = 0;
    virtual TWebViewKind Kind() const = 0;
};

} // namespace tessel
