#include "shell/form_handlers.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "browse/handlers.h"
#include "win32/failure.h"

namespace numora {
namespace {

// The pointer goes back to the default on every way out of a run.
class BusyPointer {
  public:
    explicit BusyPointer(Form1View& form) : form_(form) {
        form_.SetMousePointer(MousePointer::Busy);
    }
    // Nothing sensible is left to do for a pointer that cannot be reset.
    ~BusyPointer() {
        Completes([&] { form_.SetMousePointer(MousePointer::Default); });
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    Form1View& form_;
};

RenamingRunInput ReadRunInput(Form1View& form, std::int16_t count) {
    RenamingRunInput input;
    input.FolderPath = form.Dir1().Path();
    input.FileNames.reserve(static_cast<std::size_t>(count));
    for (std::int16_t index = 0; index < count; ++index) {
        input.FileNames.push_back(form.File1().List(index));
    }
    input.BaseName = form.Text1().Text();
    input.DigitChoiceText = form.Combo2().Text();
    const int listed = form.Combo2().ListCount();
    for (int index = 0; index < static_cast<int>(kDigitChoiceEntries.size()) && index < listed;
         ++index) {
        input.DigitChoiceEntries.push_back(form.Combo2().List(index));
    }
    input.ExtensionText = form.Combo1().Text();
    return input;
}

// Form_Load's steps, in order.
LoadOutcome Load(Form1View& form, InstanceRule& instances) {
    form.SetOuterWidthTwips(kForm1.Window.OuterWidthTwips);
    for (const ToolTipText& tip : kForm1ToolTips) {
        form.SetToolTip(tip.Control, std::wstring(tip.Text));
    }
    if (instances.EarlierInstanceRunning()) {
        return LoadOutcome::EndProgram;
    }
    form.Dir1().SetPath(form.Drive1().Drive());
    for (const ExtensionEntry& entry : kExtensionEntries) {
        form.Combo1().AddItem(std::wstring(entry.Entry));
    }
    form.Combo1().SetText(form.Combo1().List(0));
    for (const std::wstring_view entry : kDigitChoiceEntries) {
        form.Combo2().AddItem(std::wstring(entry));
    }
    form.Combo2().SetText(form.Combo2().List(2));
    return LoadOutcome::ShowWindow;
}

// The run of Command1_Click, the pointer busy from its second step; false when
// the list was empty.
bool Run(Form1View& form, const RenameFile& renameFile, std::optional<BusyPointer>& busy) {
    form.Text2().SetText(L"0");
    busy.emplace(form);
    const std::int16_t count = form.File1().ListCount();
    if (count <= 0) {
        Tell(form.Notice(), kNoFilesText);
        return false;  // the list is not refreshed then
    }
    // The counter box is out of sight, and a run serves no message until it
    // ends, so no one can read the counter before then: one write at the end
    // shows what one a file would, which under Wine costs 0.2 ms a file.
    form.Text2().SetText(RenamingRun(ReadRunInput(form, count), renameFile).CounterText);
    return true;
}

}  // namespace

LoadOutcome Form_Load(Form1View& form, InstanceRule& instances) {
    LoadOutcome outcome = LoadOutcome::ShowWindow;
    // Whatever step fails, the window is shown in the state reached so far.
    Completes([&] { outcome = Load(form, instances); });
    return outcome;
}

void Command1_Click(Form1View& form, const RenameFile& renameFile) {
    std::optional<BusyPointer> busy;
    bool noFiles = false;
    // A failure at any step ends the run there; the list is refreshed all the same.
    Completes([&] { noFiles = !Run(form, renameFile, busy); });
    if (!noFiles) {
        RefreshFileList(form.File1(), form.Notice());
    }
}

// The menu commands and the about window's OK: a window that cannot be opened
// or closed stays as it was, and the program goes on.
void mend_Click(Form1View& form) {
    Completes([&] { form.Unload(); });
}

void mver_Click(AboutWindows& aboutWindows) {
    Completes([&] { aboutWindows.OpenNew(); });
}

void Command1_Click(Form2View& about) {
    Completes([&] { about.Unload(); });
}

}  // namespace numora
