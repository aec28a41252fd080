#include "media/TPlayerPage.h"

namespace tessel {

std::string TPlayerPage::Html(const std::string& ruffle_base)
{
    // Ruffle's own screens (splash, unmute overlay, the "play" button) stay off: the
    // movie starts as it loads, with sound. The WebGL renderer reaches the first
    // frame sooner than the automatic choice.
    return R"(<!doctype html>
<html><head><meta charset="utf-8"><title>loading</title>
<style>html,body{margin:0;width:100%;height:100%;overflow:hidden;background:#000}
ruffle-player{display:block;width:100%;height:100%}</style>
<script>
window.RufflePlayer = window.RufflePlayer || {};
window.RufflePlayer.config = {
  publicPath: ")"
        + ruffle_base + R"(",
  autoplay: "on", splashScreen: false, unmuteOverlay: "hidden", preloader: false,
  preferredRenderer: "webgl", logLevel: "error", warnOnUnsupportedContent: false,
  letterbox: "on", polyfills: false
};
</script>
<script src=")"
        + ruffle_base + R"(ruffle.js"></script>
</head><body>
<script>
let loads = 0;
let player = null;
// Each movie gets a fresh player element: nothing of the last movie (its keys, its
// focus) stays behind, and the WebAssembly module the page has loaded is reused.
window.tesselPlay = (options) => {
  const next = window.RufflePlayer.newest().createPlayer();
  next.addEventListener("loadeddata", () => { loads += 1; document.title = "loadeddata " + loads; });
  if (player) player.remove();
  document.body.appendChild(next);
  player = next;
  return player.ruffle().load(options);
};
window.tesselFocus = () => player && player.focus();
tesselPlay({ url: "blank.swf" });
document.title = "ready";
</script>
</body></html>
)";
}

std::string TPlayerPage::BlankMovie()
{
    // "FWS", version 10, 25 bytes; a 1 x 1 pixel stage (20 twips), 12 frames a
    // second, one frame: black background, show frame, end.
    static const unsigned char bytes[] = { 'F', 'W', 'S', 10, 25, 0, 0, 0, 0x30, 0x14, 0x00, 0xA0, 0x00, 0x0C,
        0x01, 0x00, 0x43, 0x02, 0, 0, 0, 0x40, 0x00, 0x00, 0x00 };
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

} // namespace tessel
