// The about window's two handlers, over a small view of the window.
#pragma once

namespace numora {

class AboutWindowView {
  public:
    virtual ~AboutWindowView() = default;
    virtual void Unload() = 0;  // this about window only
};

void Command1_Click(AboutWindowView& form);
// The unload always goes ahead: the cancel flag is left as it came.
void Form_Unload(int& cancel);

}  // namespace numora
