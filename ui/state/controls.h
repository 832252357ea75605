// The plain state of the controls a window's logic owns, named there as the program names
// them (`araedit`, `Button1`, `gifstokara`). The toolkit layer binds each to a widget both
// ways: a changed state repaints its widget, a user's edit or click updates the state and
// calls the handler. Tests drive the same objects without any widget. Everything here
// lives on the user-interface thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/state/signal.h"
#include "ui/state/symbols.h"

namespace zorvat {

class ControlState {
 public:
  ControlState() = default;
  ControlState(const ControlState&) = delete;
  ControlState& operator=(const ControlState&) = delete;
  virtual ~ControlState();

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { Assign(enabled_, enabled); }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { Assign(visible_, visible); }
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) { Assign(hint_, std::move(hint)); }

  // One control of the program has the keyboard focus at a time.
  bool Focused() const { return focused_ == this; }
  void SetFocus();
  // The widget reports that the user moved the focus into it.
  void FocusTakenByUser() { focused_ = this; }

  Signal<> Changed;         // any property changed: show the state again
  Signal<> FocusRequested;  // the logic asked for the keyboard focus
  Signal<> Destroying;      // the state is going away: its widget lets go of it

 protected:
  template <class T>
  void Assign(T& member, T value) {
    if (member == value) return;
    member = std::move(value);
    Changed.Emit();
  }

 private:
  static inline const ControlState* focused_ = nullptr;
  bool enabled_ = true;
  bool visible_ = true;
  std::string hint_;
};

class LabelState : public ControlState {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }

 private:
  std::string caption_;
};

class ButtonState : public ControlState {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }
  // What a click of the user does: the handler runs only on an enabled, visible button.
  void Click();

  std::function<void()> OnClick;

 private:
  std::string caption_;
};

enum class CharCase : std::uint8_t { Normal, Upper };

// A single-line edit. Positions count characters (code points), not bytes.
class EditState : public ControlState {
 public:
  const std::string& Text() const { return text_; }
  // Sets the text as the program does: no key handler runs, the caret goes to the start.
  void SetText(std::string text);
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  std::string SelText() const;
  void SetSelection(int start, int length);
  void SelectAll();
  CharCase Casing() const { return casing_; }
  void SetCasing(CharCase casing) { Assign(casing_, casing); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { Assign(readOnly_, readOnly); }

  // Types the characters as the user does, one key at a time: OnKeyPress sees each key
  // first and may replace it or set it to 0 to swallow it; a printable key then replaces
  // the selection (as a capital in an upper-case box); Enter, Escape and other control
  // keys insert nothing; Backspace deletes the selection or the character before the caret.
  void Type(std::string_view keys);
  // The widget reports the text and selection after an edit of its own (a paste, Delete).
  void EditedByUser(std::string text, int selStart, int selLength);

  std::function<void(char32_t& key)> OnKeyPress;
  std::function<void()> OnChange;

 private:
  void TypeKey(char32_t key);
  void ReplaceSelection(std::u32string_view replacement);
  void ClampSelection();

  std::string text_;
  int selStart_ = 0;
  int selLength_ = 0;
  CharCase casing_ = CharCase::Normal;
  bool readOnly_ = false;
};

class MemoState : public ControlState {
 public:
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { Assign(text_, std::move(text)); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { Assign(readOnly_, readOnly); }
  void EditedByUser(std::string text);

  std::function<void()> OnChange;

 private:
  std::string text_;
  bool readOnly_ = false;
};

class CheckBoxState : public ControlState {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { Assign(checked_, checked); }
  // The user's click: toggles the tick, then runs OnClick.
  void Click();

  std::function<void()> OnClick;

 private:
  std::string caption_;
  bool checked_ = false;
};

// Radio groups and drop-down lists: a list of items and the chosen one (-1: none).
class ChoiceState : public ControlState {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  std::string SelectedText() const;
  // The user's choice: sets the index, then runs OnChange.
  void ChosenByUser(int index);

  std::function<void()> OnChange;

 private:
  std::string caption_;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

// Spin and number boxes: a number within limits, shown by a display format.
class NumberEditState : public ControlState {
 public:
  NumberEditState();
  double Value() const { return value_; }
  void SetValue(double value);
  double Minimum() const { return minimum_; }
  double Maximum() const { return maximum_; }
  void SetLimits(double minimum, double maximum);
  const std::string& DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(std::string format) { Assign(displayFormat_, std::move(format)); }
  double Increment() const { return increment_; }
  void SetIncrement(double increment) { Assign(increment_, increment); }
  std::string DisplayText() const;
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { Assign(readOnly_, readOnly); }
  void EditedByUser(double value);
  // The widget reports a key going down or up (virtual key codes); a handler that sets the
  // key to 0 consumes it.
  int KeyDown(int key);
  int KeyUp(int key);

  std::function<void()> OnChange;
  std::function<void(int& key)> OnKeyDown;
  std::function<void(int& key)> OnKeyUp;

 private:
  bool readOnly_ = false;
  double value_ = 0;
  double minimum_ = 0;
  double maximum_ = 0;  // no limits while minimum equals maximum
  double increment_ = 1;
  std::string displayFormat_;
};

// A picture shown from bytes in a file format the toolkit recognises (JPEG, PNG, BMP);
// empty bytes show the design-time picture.
class PictureState : public ControlState {
 public:
  const std::string& Bytes() const { return bytes_; }
  void SetBytes(std::string bytes) { Assign(bytes_, std::move(bytes)); }

 private:
  std::string bytes_;
};

// A picture fetched from a web address by the toolkit layer, in the background.
class UrlPictureState : public ControlState {
 public:
  const std::string& Url() const { return url_; }
  void SetUrl(std::string url) { Assign(url_, std::move(url)); }

 private:
  std::string url_;
};

// Date pickers hold a day serial: days since 30 December 1899, the fraction the time.
class DateEditState : public ControlState {
 public:
  double Date() const { return date_; }
  void SetDate(double date) { Assign(date_, date); }
  void EditedByUser(double date);

  std::function<void()> OnChange;

 private:
  double date_ = 0;
};

// A small busy animation: it runs while it is visible.
class BusyAnimationState : public ControlState {
 public:
  BusyAnimationState() { SetVisible(false); }
};

// A progress bar: the position out of the maximum.
class ProgressBarState : public ControlState {
 public:
  std::int64_t Max() const { return max_; }
  std::int64_t Position() const { return position_; }
  void SetMax(std::int64_t max) { Assign(max_, max); }
  void SetPosition(std::int64_t position) { Assign(position_, position); }

 private:
  std::int64_t max_ = 100;
  std::int64_t position_ = 0;
};

// An embedded web browser: the address it was sent to.
class WebBrowserState : public ControlState {
 public:
  const std::string& Url() const { return url_; }
  void Navigate(std::string url) { Assign(url_, std::move(url)); }

 private:
  std::string url_;
};

struct MenuItemState {
  std::string name;
  std::string caption;  // "-" for a separator
  bool visible = true;
  bool enabled = true;
  std::function<void()> onClick;

  bool IsSeparator() const { return caption == "-"; }
};

class PopupMenuState {
 public:
  MenuItemState& Add(std::string name, std::string caption, std::function<void()> onClick = {});
  void AddSeparator();
  MenuItemState& Item(std::string_view name);
  const std::vector<MenuItemState>& Items() const { return items_; }
  // The user chose the item.
  void Choose(std::string_view name);

 private:
  std::vector<MenuItemState> items_;
};

struct TabSheetState {
  std::string name;
  std::string caption;
  Simge image = Simge::Yok;
  bool tabVisible = true;
  std::function<void()> onShow;
  std::function<void()> onHide;
};

class PageControlState : public ControlState {
 public:
  TabSheetState& AddPage(TabSheetState page);
  TabSheetState& AddPage(std::string name, std::string caption, Simge image);
  std::size_t PageCount() const { return pages_.size(); }
  const TabSheetState& Page(std::size_t index) const { return pages_.at(index); }
  std::size_t IndexOf(std::string_view name) const;
  void SetCaption(std::string_view name, std::string caption);
  void SetTabVisible(std::string_view name, bool visible);
  // What runs when the page becomes visible.
  void OnShow(std::string_view name, std::function<void()> onShow) { pages_.at(IndexOf(name)).onShow = std::move(onShow); }
  // -1 when no page is active.
  int ActivePageIndex() const { return active_; }
  const std::string& ActivePageName() const;
  // Makes the page active as a click on its tab does: the old page's onHide, then the new
  // page's onShow. Activating the active page does nothing.
  void SetActivePage(std::string_view name);
  void SetActivePageIndex(int index);

 private:
  std::vector<TabSheetState> pages_;
  int active_ = -1;
};

// A window's own state: the caption and the modal result that closes it.
class FormState {
 public:
  FormState() = default;
  FormState(const FormState&) = delete;
  FormState& operator=(const FormState&) = delete;
  virtual ~FormState() = default;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  int ModalResult() const { return modalResult_; }
  // A result other than 0 closes the window shown modally.
  void SetModalResult(int result);

  Signal<> Changed;

 private:
  std::string caption_;
  int modalResult_ = 0;
};

}  // namespace zorvat
