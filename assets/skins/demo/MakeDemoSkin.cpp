// Draws the demo skin's bitmaps and writes its skin INI into a skin folder, in the
// demo's own look or in the dark "ember" look.
//
//   make-demo-skin DIR [--look ember]
#include "assets/skins/demo/DemoIni.h"
#include "assets/skins/demo/DemoPictures.h"
#include "assets/skins/demo/Looks.h"
#include "assets/skins/demo/ObjectsSkin.h"
#include "tessel/framework/Exception.h"
#include "tessel/framework/TFileStream.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    using namespace tessel;
    const bool ember = argc == 4 && std::string(argv[2]) == "--look" && std::string(argv[3]) == "ember";
    if (argc != 2 && !ember) {
        std::fprintf(stderr, "usage: make-demo-skin DIR [--look ember]\n");
        return 2;
    }
    if (ember)
        demo::SetLook(demo::TLook::kEmber);
    try {
        std::string dir = argv[1];
        std::filesystem::create_directories(dir);
        demo::DemoPictures pictures = demo::PaintDemoPictures();
        pictures.picture.SaveToFile(dir + "/" + demo::kPictureFile);
        pictures.mask.SaveToFile(dir + "/" + demo::kMaskFile);
        for (size_t i = 0; i < pictures.active.size(); ++i)
            pictures.active[i].SaveToFile(dir + "/" + demo::kActivePictureFiles[i]);
        auto write = [&](const std::string& name, const std::string& text) {
            TFileStream file(dir + "/" + name, TFileMode::fmCreate);
            file.WriteBuffer(text.data(), text.size());
        };
        write("demo.ini", demo::DemoSkinIni());
        // The second form look, for the gallery's window of frame objects.
        demo::ObjectsFrame().SaveToFile(dir + "/" + demo::kObjectsFrameFile);
        demo::ObjectsArt().SaveToFile(dir + "/" + demo::kObjectsArtFile);
        write("objects.ini", demo::ObjectsSkinIni());
    } catch (const Exception& e) {
        std::fprintf(stderr, "make-demo-skin: %s\n", e.what());
        return 1;
    }
    return 0;
}
