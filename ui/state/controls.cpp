#include "ui/state/controls.h"

#include <algorithm>
#include <stdexcept>

#include "net/bicim.h"
#include "ui/state/text.h"

namespace zorvat {

namespace {

constexpr char32_t kBackspace = 8;

int CodePointCount(const std::string& text) { return static_cast<int>(Utf32(text).size()); }

}  // namespace

// ---- ControlState

ControlState::~ControlState() {
  if (focused_ == this) focused_ = nullptr;
  Destroying.Emit();
}

void ControlState::SetFocus() {
  focused_ = this;
  FocusRequested.Emit();
}

// ---- ButtonState

void ButtonState::Click() {
  if (Enabled() && Visible() && OnClick) OnClick();
}

// ---- EditState

void EditState::SetText(std::string text) {
  if (text == text_ && selStart_ == 0 && selLength_ == 0) return;
  text_ = std::move(text);
  selStart_ = 0;
  selLength_ = 0;
  Changed.Emit();
}

std::string EditState::SelText() const {
  const std::u32string text = Utf32(text_);
  return Utf8(std::u32string_view(text).substr(static_cast<std::size_t>(selStart_),
                                               static_cast<std::size_t>(selLength_)));
}

void EditState::SetSelection(int start, int length) {
  selStart_ = start;
  selLength_ = length;
  ClampSelection();
  Changed.Emit();
}

void EditState::SelectAll() { SetSelection(0, CodePointCount(text_)); }

void EditState::ClampSelection() {
  const int size = CodePointCount(text_);
  selStart_ = std::clamp(selStart_, 0, size);
  selLength_ = std::clamp(selLength_, 0, size - selStart_);
}

void EditState::Type(std::string_view keys) {
  for (char32_t key : Utf32(keys)) TypeKey(key);
}

void EditState::TypeKey(char32_t key) {
  if (OnKeyPress) OnKeyPress(key);
  if (key == 0 || ReadOnly()) return;
  if (key == kBackspace) {
    if (selLength_ == 0 && selStart_ > 0) {
      --selStart_;
      selLength_ = 1;
    }
    ReplaceSelection(U"");
  } else if (key >= 0x20 && key != 0x7F) {
    const char32_t typed = casing_ == CharCase::Upper ? UpperCase(key) : key;
    ReplaceSelection(std::u32string_view(&typed, 1));
  }
}

void EditState::ReplaceSelection(std::u32string_view replacement) {
  std::u32string text = Utf32(text_);
  const auto start = static_cast<std::size_t>(selStart_);
  text.replace(start, static_cast<std::size_t>(selLength_), replacement);
  text_ = Utf8(text);
  selStart_ = static_cast<int>(start + replacement.size());
  selLength_ = 0;
  Changed.Emit();
  if (OnChange) OnChange();
}

void EditState::EditedByUser(std::string text, int selStart, int selLength) {
  const bool textChanged = text != text_;
  text_ = casing_ == CharCase::Upper ? UpperCase(text) : std::move(text);
  selStart_ = selStart;
  selLength_ = selLength;
  ClampSelection();
  Changed.Emit();
  if (textChanged && OnChange) OnChange();
}

// ---- MemoState

void MemoState::EditedByUser(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  Changed.Emit();
  if (OnChange) OnChange();
}

// ---- CheckBoxState

void CheckBoxState::Click() {
  if (!Enabled()) return;
  SetChecked(!checked_);
  if (OnClick) OnClick();
}

// ---- ChoiceState

void ChoiceState::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  Changed.Emit();
}

void ChoiceState::SetItemIndex(int index) {
  Assign(itemIndex_, index >= 0 && index < static_cast<int>(items_.size()) ? index : -1);
}

std::string ChoiceState::SelectedText() const {
  return itemIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(itemIndex_)];
}

void ChoiceState::ChosenByUser(int index) {
  const int before = itemIndex_;
  SetItemIndex(index);
  if (itemIndex_ != before && OnChange) OnChange();
}

// ---- NumberEditState

NumberEditState::NumberEditState() : displayFormat_(ParaBicimi) {}

void NumberEditState::SetValue(double value) {
  if (minimum_ < maximum_) value = std::clamp(value, minimum_, maximum_);
  Assign(value_, value);
}

void NumberEditState::SetLimits(double minimum, double maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  SetValue(value_);
  Changed.Emit();
}

std::string NumberEditState::DisplayText() const { return FormatFloat(displayFormat_, value_); }

void NumberEditState::EditedByUser(double value) {
  // A read-only box shows its value; only the logic changes it.
  if (readOnly_) return;
  const double before = value_;
  SetValue(value);
  if (value_ != before && OnChange) OnChange();
}

int NumberEditState::KeyDown(int key) {
  if (OnKeyDown) OnKeyDown(key);
  return key;
}

int NumberEditState::KeyUp(int key) {
  if (OnKeyUp) OnKeyUp(key);
  return key;
}

// ---- DateEditState

void DateEditState::EditedByUser(double date) {
  if (date == date_) return;
  SetDate(date);
  if (OnChange) OnChange();
}

// ---- PopupMenuState

MenuItemState& PopupMenuState::Add(std::string name, std::string caption, std::function<void()> onClick) {
  items_.push_back({std::move(name), std::move(caption), true, true, std::move(onClick)});
  return items_.back();
}

void PopupMenuState::AddSeparator() { Add({}, "-"); }

MenuItemState& PopupMenuState::Item(std::string_view name) {
  auto found = std::find_if(items_.begin(), items_.end(), [name](const MenuItemState& item) { return item.name == name; });
  if (found == items_.end()) throw std::out_of_range("Menüde böyle bir öğe yok: " + std::string(name));
  return *found;
}

void PopupMenuState::Choose(std::string_view name) {
  const MenuItemState& item = Item(name);
  if (item.visible && item.enabled && item.onClick) item.onClick();
}

// ---- PageControlState

TabSheetState& PageControlState::AddPage(TabSheetState page) {
  pages_.push_back(std::move(page));
  if (active_ < 0) active_ = 0;
  Changed.Emit();
  return pages_.back();
}

TabSheetState& PageControlState::AddPage(std::string name, std::string caption, Simge image) {
  TabSheetState page;
  page.name = std::move(name);
  page.caption = std::move(caption);
  page.image = image;
  return AddPage(std::move(page));
}

std::size_t PageControlState::IndexOf(std::string_view name) const {
  auto found = std::find_if(pages_.begin(), pages_.end(), [name](const TabSheetState& page) { return page.name == name; });
  if (found == pages_.end()) throw std::out_of_range("Böyle bir sayfa yok: " + std::string(name));
  return static_cast<std::size_t>(found - pages_.begin());
}

void PageControlState::SetCaption(std::string_view name, std::string caption) {
  TabSheetState& page = pages_[IndexOf(name)];
  if (page.caption == caption) return;
  page.caption = std::move(caption);
  Changed.Emit();
}

void PageControlState::SetTabVisible(std::string_view name, bool visible) {
  TabSheetState& page = pages_[IndexOf(name)];
  if (page.tabVisible == visible) return;
  page.tabVisible = visible;
  Changed.Emit();
}

const std::string& PageControlState::ActivePageName() const {
  static const std::string none;
  return active_ < 0 ? none : pages_[static_cast<std::size_t>(active_)].name;
}

void PageControlState::SetActivePage(std::string_view name) { SetActivePageIndex(static_cast<int>(IndexOf(name))); }

void PageControlState::SetActivePageIndex(int index) {
  if (index == active_ || index < 0 || index >= static_cast<int>(pages_.size())) return;
  const int before = active_;
  active_ = index;
  Changed.Emit();
  if (before >= 0 && pages_[static_cast<std::size_t>(before)].onHide) pages_[static_cast<std::size_t>(before)].onHide();
  if (pages_[static_cast<std::size_t>(index)].onShow) pages_[static_cast<std::size_t>(index)].onShow();
}

// ---- FormState

void FormState::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed.Emit();
}

void FormState::SetModalResult(int result) {
  if (modalResult_ == result) return;
  modalResult_ = result;
  Changed.Emit();
}

}  // namespace zorvat
