#pragma once

// Loads the system's font configuration (fontconfig) for the program, before
// the first window asks for a font. fontconfig's own start-up also reads every
// rule template it ships, for its listing tools; that reading costs more than
// the configuration in force, and the program never uses it. Loads the
// configuration in force only, and the fonts it names. Anything unusual (no
// configuration file, a file that does not parse, no cache folder, any other
// failure) leaves the start-up to fontconfig, which then does it as always.
// Call once, before anything else uses fontconfig. Returns true when this call
// loaded the configuration.
bool LoadFontConfiguration();
