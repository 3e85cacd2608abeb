// Golden screens: a dump (NAME.txt, the cell grid, and NAME.png, the
// pixels) compared with the committed files in tests/screen/golden.
// VEMO_UPDATE_GOLDEN=1 copies the dump there first.
#pragma once

#include <filesystem>
#include <string>

void checkgoldenfiles(const std::filesystem::path& folder, const std::string& name);
// The same against the files in another golden folder.
void checkgoldenfiles(const std::filesystem::path& folder, const std::string& name,
                      const std::filesystem::path& golden);
// Only the image NAME.png, against the one in the golden folder.
void checkgoldenimage(const std::filesystem::path& folder, const std::string& name,
                      const std::filesystem::path& golden);
