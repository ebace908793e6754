#pragma once
// The on-screen date or time picker, bound to a held-moment model.
#include "framework/controls.h"
#include "stamp/picker.h"

enum class TDateTimeKind { Date, Time };

class TDateTimePickerControl : public TWinControl, public PickerDisplay {
  public:
    TDateTimePickerControl(TComponent* owner, TDateTimeKind kind);
    ~TDateTimePickerControl() override;

    TDateTimePicker& Model() { return model_; }
    // Raises ECommonCalendarError when the control cannot show the value.
    void ShowMoment(Moment value) override;

  protected:
    CreateParams GetCreateParams() override;
    void CreateWnd() override;
    LRESULT Notify(NMHDR* header) override;

  private:
    TDateTimeKind kind_;
    TDateTimePicker model_;
};
