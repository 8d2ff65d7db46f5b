#include "platform/ui/FontConfigStart.h"

#include <fontconfig/fontconfig.h>

namespace {
bool hasCacheFolder(FcConfig *config)
{
    FcStrList *dirs = FcConfigGetCacheDirs(config);
    if (!dirs)
        return false;
    const bool any = FcStrListNext(dirs) != nullptr;
    FcStrListDone(dirs);
    return any;
}
} // namespace

bool LoadFontConfiguration()
{
    FcConfig *config = FcConfigCreate();
    if (!config)
        return false;
    // Without a file to read there is nothing to spare: fontconfig's own
    // start-up falls back to its built-in configuration (and says so, once).
    FcChar8 *file = FcConfigGetFilename(config, nullptr);
    if (!file) {
        FcConfigDestroy(config);
        return false;
    }
    FcStrFree(file);
    // The default file (or the one FONTCONFIG_FILE names) with its includes,
    // read as fontconfig's start-up reads it. A missing or broken file, or
    // one without a cache folder, is fontconfig's to mend (with its fallback
    // configuration and its warnings).
    if (!FcConfigParseAndLoad(config, nullptr, FcTrue) || !hasCacheFolder(config)
        || !FcConfigBuildFonts(config)) {
        FcConfigDestroy(config);
        return false;
    }
    // The current configuration keeps a reference of its own on fontconfig
    // 2.13.1 and later; ours stays too (the configuration lives as long as
    // the program), which is also right for older releases that take none.
    if (!FcConfigSetCurrent(config)) {
        FcConfigDestroy(config);
        return false;
    }
    return true;
}
