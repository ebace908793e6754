#pragma once
// A read-only multi-line text box whose lines only grow. Lines are in the system code page, as
// file names come from the shell.
#include "framework/controls.h"
#include "framework/string_list.h"

class TMemo;

class TMemoLines final : public TStrings {
  public:
    explicit TMemoLines(TMemo& memo) : memo_(memo) {}
    int Count() const override { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int index) const override {
        return lines_.at(static_cast<std::size_t>(index));
    }
    void Add(std::string line) override;

  private:
    friend class TMemo;
    TMemo& memo_;
    std::vector<std::string> lines_;
};

class TMemo : public TWinControl {
  public:
    explicit TMemo(TComponent* owner);
    TStrings& Lines() { return lines_; }

  protected:
    CreateParams GetCreateParams() override;
    void CreateWnd() override;
    HBRUSH CtlColor(HDC dc) override;

  private:
    friend class TMemoLines;
    void AppendToWindow(const std::string& line, bool first);
    TMemoLines lines_;
};
