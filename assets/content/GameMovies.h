#pragma once

#include "assets/content/TSwfWriter.h"

#include <string>
#include <vector>

namespace tessel::content {

// Movies that do what published games do, and the files they load from beside
// themselves. Not in the demo package; the tests pack them.
namespace game_movies {

constexpr TRgb kGrey { 0x30, 0x30, 0x30 };
constexpr TRgb kLevelBlue { 0x20, 0x90, 0xD0 };
constexpr TRgb kPictureOrange { 0xE0, 0x70, 0x10 };
constexpr TRgb kWordsGreen { 0x40, 0xC0, 0x80 };
constexpr TRgb kVideoFirst { 0xC0, 0x30, 0x90 }, kVideoSecond { 0x30, 0xC0, 0xC0 };
constexpr TRgb kWindowed { 0x50, 0x50, 0xA0 }, kFullScreen { 0xA0, 0x50, 0x20 };
constexpr TRgb kEnterButton { 0x20, 0xA0, 0x40 }, kLeaveButton { 0xC0, 0x20, 0x20 };

// Levels.swf loads Level2.swf (a stage of kLevelBlue) into level 1 with loadMovieNum.
std::string Levels();
std::string Level2();
// Picture.swf loads picture.png (320 x 240 of kPictureOrange) into a clip at the
// stage's top-left corner with a MovieClipLoader.
std::string Picture();
std::string PicturePng();
// Words.swf reads words.txt with LoadVars, fills the stage with the colour it names
// (kWordsGreen) and shows its message.
std::string Words();
std::string WordsText();
// Video.swf plays clip.flv (320 x 240 at the stage's centre, one second of
// kVideoFirst then one of kVideoSecond, screen video) through a NetStream.
std::string Video();
std::string ClipFlv();

// A button of Links.swf: clicking it calls getURL(url, target).
struct TLinkButton {
    std::string url;
    std::string target;
    bool opens;
    TRgb colour;
};
// Links.swf: a grid of buttons (each of its own colour), and at its start two
// links opened without a click.
std::vector<TLinkButton> LinkButtons();
std::string Links();
// FullScreen.swf: the stage is kWindowed; its centre button (kEnterButton) sets
// Stage.displayState to "fullScreen", its corner button (kLeaveButton) to "normal";
// while the movie sees itself full screen its stage shows kFullScreen.
std::string FullScreen();
// FlashVars.swf fills its stage with the colour its FlashVar "colour" names
// (six hexadecimal digits) on a black background.
std::string FlashVars();

} // namespace game_movies

} // namespace tessel::content
