#include "browse/extension_handlers.h"

#include <cstddef>

#include "win32/failure.h"

namespace numora {

// The last entry, "∀" (for all), lists every file of the folder.
const std::vector<std::wstring>& ExtensionEntries() {
    static const std::vector<std::wstring> entries{L"jpg", L"gif", L"bmp", L"ico",
                                                   L"txt", L"rm",  L"ram", L"mpg",
                                                   L"avi", L"mp3", L"htm", L"\u2200"};
    return entries;
}

const std::vector<std::wstring>& ExtensionPatterns() {
    static const std::vector<std::wstring> patterns{
        L"*.jpg;*.jpeg", L"*.gif",        L"*.bmp", L"*.ico", L"*.txt",        L"*.rm",
        L"*.ram",        L"*.mpg;*.mpeg", L"*.avi", L"*.mp3", L"*.htm;*.html", L"*.*"};
    return patterns;
}

void Combo1_Click(ComboControl& combo1, TextControl& command2, FileList& file1) {
    command2.SetText(L"A");
    // The pattern belongs to the position; the entry there is read as the list holds it now.
    const auto& patterns = ExtensionPatterns();
    const int listed = combo1.ListCount();
    for (std::size_t position = 0; position < patterns.size(); ++position) {
        const int index = static_cast<int>(position);
        if (index >= listed) {
            return;
        }
        if (combo1.Text() == combo1.List(index)) {
            file1.SetPattern(patterns[position]);
            return;
        }
    }
}

void Command2_Click(TextControl& command2, ComboControl& combo1, const LetterCase& letterCase) {
    // A failure ends it silently; whatever was already written stays.
    Completes([&] {
        const std::wstring caption = command2.Text();
        if (caption == L"A") {
            combo1.SetText(letterCase.Upper(combo1.Text()));
            command2.SetText(L"a");
        } else if (caption == L"a") {
            combo1.SetText(letterCase.Lower(combo1.Text()));
            command2.SetText(L"A");
        }
    });
}

}  // namespace numora
