#include "tessel/media/TPlayerPage.h"

namespace tessel {

std::string TPlayerPage::Html(const std::string& ruffle_base)
{
    // Scripts come from the program's own files only: no inline script, no eval and
    // no javascript: address runs here, whatever a movie asks (WebAssembly compiles).
    // What a movie's ExternalInterface would evaluate fails.
    return R"(<!doctype html>
<html><head><meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="script-src 'self' tessel: 'wasm-unsafe-eval'; object-src 'none'; base-uri 'none'">
<title>loading</title>
<style>html,body{margin:0;width:100%;height:100%;overflow:hidden;background:#000}
ruffle-player{display:block;width:100%;height:100%}
ruffle-player.fitted{position:absolute;inset:0;margin:auto}</style>
<script src="player-config.js"></script>
<script src=")"
        + ruffle_base + R"(ruffle.js"></script>
</head><body>
<script src="player.js"></script>
</body></html>
)";
}

std::string TPlayerPage::ConfigScript(const std::string& ruffle_base)
{
    // Ruffle's own screens (splash, unmute overlay, the "play" button) stay off: the
    // movie starts as it loads, with sound. The renderer is Ruffle's wgpu on WebGL,
    // which draws everything a movie asks for (BitmapData.draw too); Ruffle falls
    // back by itself where it is missing. Without letterboxing the space beside the
    // stage shows the movie's background and what lies off the stage, as Flash's
    // ShowAll scale did.
    return R"(window.RufflePlayer = window.RufflePlayer || {};
window.RufflePlayer.config = {
  publicPath: ")"
        + ruffle_base + R"(",
  autoplay: "on", splashScreen: false, unmuteOverlay: "hidden",
  preferredRenderer: "wgpu-webgl", logLevel: "error", warnOnUnsupportedContent: false,
  letterbox: "off", polyfills: false
};
)";
}

std::string TPlayerPage::Script()
{
    return R"js(let loads = 0;
let player = null;
let suspended = false;
// The person's pause and sound, kept across movies.
let paused = false;
let volume = 1;
// A short status over the movie (paused, the volume) that fades after a second.
const status = document.createElement("div");
status.style.cssText = "position:fixed;top:12px;right:12px;padding:6px 12px;border-radius:4px;"
  + "background:rgba(0,0,0,0.7);color:#fff;font:bold 15px sans-serif;opacity:0;"
  + "transition:opacity 0.4s;pointer-events:none;z-index:10";
let fade = 0;
window.tesselStatus = (text) => {
  if (!status.parentNode) document.body.appendChild(status);
  status.textContent = text;
  status.style.opacity = "1";
  clearTimeout(fade);
  fade = setTimeout(() => { status.style.opacity = "0"; }, 1000);
};
window.tesselPause = (on) => {
  paused = on;
  if (!player) return;
  if (on) player.ruffle().suspend();
  else if (!suspended) player.ruffle().resume();
};
window.tesselVolume = (v) => {
  volume = v;
  if (player) player.ruffle().volume = v;
};
// While no movie is loaded the page rests: Ruffle's tick loop outlives a destroyed
// player, so no animation frame is let through (which ends that loop), and the sound
// contexts the player left are closed.
let resting = false;
const frame = window.requestAnimationFrame.bind(window);
window.requestAnimationFrame = (f) => (resting ? 0 : frame(f));
const sounds = [];
window.AudioContext = class extends window.AudioContext {
  constructor(...options) { super(...options); sounds.push(this); }
};
const rest = () => {
  resting = true;
  sounds.splice(0).forEach((s) => s.close());
};
// A movie's links. Ruffle opens one with a window name through window.open (one
// without a name loads in this frame, which the view's policy turns away to the
// desktop's browser): whatever window a movie names, its link asks for a new window,
// and the view's policy decides what of it opens.
const openWindow = window.open.bind(window);
window.open = (url) => {
  openWindow(String(url), "_blank");
  return null;
};
// A movie's own full screen is the program's: the page tells it through the title,
// and the element counts as full screen (the view gives it the whole screen) until
// the program or the movie ends it. As in Flash, only a person's click or key asks.
let fullElement = null;
let fullChanges = 0;
for (const name of ["fullscreenElement", "webkitFullscreenElement"])
  Object.defineProperty(document, name, { get: () => fullElement, configurable: true });
Object.defineProperty(document, "fullscreenEnabled", { get: () => true, configurable: true });
const setFull = (element) => {
  const was = fullElement;
  if (was === element) return;
  fullElement = element;
  fullChanges += 1;
  document.title = "fullscreen " + (element ? "on " : "off ") + fullChanges;
  (element || was).dispatchEvent(new Event("fullscreenchange", { bubbles: true }));
};
Element.prototype.requestFullscreen = function () {
  if (navigator.userActivation && !navigator.userActivation.isActive)
    return Promise.reject(new TypeError("full screen needs a click or a key"));
  setFull(this);
  return Promise.resolve();
};
Element.prototype.webkitRequestFullscreen = Element.prototype.requestFullscreen;
document.exitFullscreen = () => { setFull(null); return Promise.resolve(); };
document.webkitExitFullscreen = document.exitFullscreen;
window.tesselLeaveFullScreen = () => setFull(null);
// Each movie gets a fresh player element: nothing of the last movie (its keys, its
// focus) stays behind, and the WebAssembly module the page has loaded is reused.
// With a background colour, the element takes the stage's shape, centred on that
// colour.
window.tesselPlay = (options, background) => {
  const next = window.RufflePlayer.newest().createPlayer();
  next.addEventListener("loadeddata", () => {
    // The sound as the person set it (Ruffle takes it once the movie runs).
    next.ruffle().volume = volume;
    const size = next.ruffle().metadata;
    if (background && size && size.width > 0 && size.height > 0) {
      const w = size.width, h = size.height;
      next.style.width = `min(100vw, calc(100vh * ${w} / ${h}))`;
      next.style.height = `min(100vh, calc(100vw * ${h} / ${w}))`;
    }
    loads += 1; document.title = "loadeddata " + loads;
  });
  if (background) next.classList.add("fitted");
  document.body.style.background = background || "#000";
  setFull(null);
  if (player) player.remove();
  resting = false;
  document.body.appendChild(next);
  player = next;
  suspended = false;
  paused = false;
  return player.ruffle().load(options);
};
window.tesselFocus = () => player && player.focus();
// While the window is off the screen a playing movie rests, and plays on after.
window.tesselSuspend = () => {
  if (player && player.ruffle().isPlaying) { player.ruffle().suspend(); suspended = true; }
};
window.tesselResume = () => {
  if (player && suspended) { suspended = false; if (!paused) player.ruffle().resume(); }
};
// The warm start: a blank movie makes the page load Ruffle's module before any game
// is chosen, and its first frames make the renderer build what drawing needs (the
// first game's first frame came a third of a second later without them). Once they
// are drawn, the blank player goes (it would draw frames of nothing for ever); the
// module stays for the games.
const warm = window.RufflePlayer.newest().createPlayer();
warm.addEventListener("loadeddata", () => {
  frame(() => frame(() => frame(() => {
    if (player === warm) { warm.remove(); player = null; rest(); document.title = "rested"; }
  })));
});
document.body.appendChild(warm);
player = warm;
warm.ruffle().load({ url: "blank.swf" });
document.title = "ready";
)js";
}

std::string TPlayerPage::BlankMovie()
{
    // "FWS", version 10, 97 bytes; a 1 x 1 pixel stage (20 twips), 12 frames a second,
    // one frame: a black background, a black rectangle of solid fill and one of a
    // black-to-black linear gradient (drawing them makes the renderer build what a
    // game's first frame needs), show frame, end.
    static const unsigned char bytes[] = { 0x46, 0x57, 0x53, 0x0A, 0x61, 0x00, 0x00, 0x00, 0x30, 0x0A, 0x00,
        0xA0, 0x00, 0x0C, 0x01, 0x00, 0x43, 0x02, 0x00, 0x00, 0x00, 0x97, 0x00, 0x01, 0x00, 0x30, 0x0A, 0x00,
        0xA0, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x0C, 0x27, 0x41, 0x4D, 0x15, 0x34, 0x2C, 0xD1, 0xB0,
        0x00, 0x9F, 0x00, 0x02, 0x00, 0x30, 0x0A, 0x00, 0xA0, 0x01, 0x10, 0x02, 0x00, 0x02, 0x00, 0x00, 0x00,
        0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x10, 0x0C, 0x27, 0x41, 0x4D, 0x15, 0x34, 0x2C, 0xD1, 0xB0, 0x00,
        0x85, 0x06, 0x02, 0x01, 0x00, 0x01, 0x00, 0x85, 0x06, 0x02, 0x02, 0x00, 0x02, 0x00, 0x40, 0x00, 0x00,
        0x00 };
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

} // namespace tessel
