#include "shell/form_handlers.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <vector>

#include "browse/extension_handlers.h"
#include "browse/navigation_handlers.h"
#include "shell/layouts.h"

namespace numora {
namespace {

constexpr int kDigitEntryCount = 6;

const std::vector<std::wstring>& DigitEntries() {
    static const std::vector<std::wstring> entries{L"１桁", L"２桁", L"３桁",
                                                   L"４桁", L"５桁", L"６桁"};
    return entries;
}

// The pointer goes back to the default on every way out of a run.
class BusyPointer {
  public:
    explicit BusyPointer(MainWindowView& form) : form_(form) {
        form_.SetMousePointer(MousePointer::ArrowHourglass);
    }
    ~BusyPointer() {
        try {
            form_.SetMousePointer(MousePointer::Default);
        } catch (const std::exception&) {
            // Nothing sensible is left to do for a pointer that cannot be reset.
        }
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    MainWindowView& form_;
};

RenamingRunInput ReadRunInput(Form1Controls& form, std::int16_t count) {
    RenamingRunInput input;
    input.FolderPath = form.Dir1.Path();
    input.FileNames.reserve(static_cast<std::size_t>(count));
    for (std::int16_t index = 0; index < count; ++index) {
        input.FileNames.push_back(form.File1.List(index));
    }
    input.BaseName = form.Text1.Text();
    input.DigitChoiceText = form.Combo2.Text();
    const int listed = form.Combo2.ListCount();
    for (int index = 0; index < kDigitEntryCount && index < listed; ++index) {
        input.DigitChoiceEntries.push_back(form.Combo2.List(index));
    }
    input.ExtensionText = form.Combo1.Text();
    return input;
}

}  // namespace

LoadOutcome Form_Load(Form1Controls& form, InstanceRule& instances) {
    try {
        form.Form.SetOuterWidthTwips(kForm1LoadedOuterWidthTwips);
        for (const ToolTipText& tip : kForm1ToolTips) {
            form.Form.SetToolTip(std::wstring(tip.control), std::wstring(tip.text));
        }
        if (instances.EarlierInstanceRunning()) {
            return LoadOutcome::EndProgram;
        }
        form.Dir1.SetPath(form.Drive1.Drive());
        for (const auto& entry : ExtensionEntries()) {
            form.Combo1.AddItem(entry);
        }
        form.Combo1.SetText(form.Combo1.List(0));
        for (const auto& entry : DigitEntries()) {
            form.Combo2.AddItem(entry);
        }
        form.Combo2.SetText(form.Combo2.List(2));
    } catch (const std::exception&) {
        // Whatever step failed, the window is shown in the state reached so far.
    }
    return LoadOutcome::ShowWindow;
}

RenamingRunResult Command1_Click(Form1Controls& form, const RenameFile& renameFile) {
    RenamingRunResult result;
    {
        std::optional<BusyPointer> busy;
        try {
            form.Text2.SetText(L"0");
            busy.emplace(form.Form);
            const std::int16_t count = form.File1.ListCount();
            if (count <= 0) {
                form.Notice.BeepAndShowInformation(L"ファイルがありません。");
                return result;  // NoFiles: the list is not refreshed
            }
            // The counter box is out of sight, and a run serves no message until it
            // ends, so no one can read the counter before then: one write at the
            // end shows what one a file would, which under Wine costs 0.2 ms a file.
            result = RenamingRun(ReadRunInput(form, count), renameFile);
            form.Text2.SetText(result.CounterText);
        } catch (const std::exception&) {
            result.ExitKind = RunExit::Finished;
        }
        RefreshFileList(form.File1, form.Notice);
    }
    return result;
}

void mend_Click(MainWindowView& form) {
    form.Unload();
}

void mver_Click(AboutWindows& aboutWindows) {
    aboutWindows.OpenNew();
}

void Command1_Click(AboutWindowView& form) {
    form.Unload();
}

void Form_Unload(int& cancel) {
    static_cast<void>(cancel);
}

}  // namespace numora
