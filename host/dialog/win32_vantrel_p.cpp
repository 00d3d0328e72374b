#include "host/dialog/win32_vantrel_p.h"

#include <shellapi.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "host/controls/win32_button.h"
#include "host/controls/twips_half_even.h"
#include "host/controls/win32_frame.h"
#include "host/dialog/banner_cycle.h"
#include "host/dialog/dialog_control_ids.h"
#include "host/dialog/dialog_layout.h"
#include "host/dialog/dialog_placement.h"
#include "host/dialog/dialog_resources.h"
#include "host/dialog/kind_selection.h"
#include "host/dialog/track_text.h"
#include "host/dialog/win32_dialog_font.h"
#include "host/dialog/win32_dialog_pictures.h"
#include "host/dialog/win32_file_chooser.h"
#include "host/dialog/win32_plain_controls.h"
#include "host/forms/ambient.h"
#include "host/forms/win32_focus.h"
#include "host/forms/win32_form_window.h"
#include "host/forms/win32_screen.h"
#include "host/base/number_text.h"
#include "host/base/settings_file.h"
#include "host/base/win32_path_text.h"

namespace vantrel {

const char kAuthorWebPage[] = "https://www.vantrel.example/";

namespace {

const wchar_t kFormCaption[] = L"\x25A0Vantrel\x25A0";  // ■Vantrel■
constexpr COLORREF kBackColour = RGB(224, 224, 224);
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 100;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_WINDOWEDGE;
constexpr int kDropDownListPixels = 160;

std::int16_t clampToInt16(long v) {
  if (v > 32767) return 32767;
  if (v < -32768) return -32768;
  return static_cast<std::int16_t>(v);
}

class VantrelP {
 public:
  VantrelP(HINSTANCE instance, const VantrelPHost& host) : instance_(instance), host_(host) {}
  ~VantrelP();
  bool Load();
  void ShowModal();

 private:
  void OnLoad();
  bool OnTabKey(const MSG& msg);
  void LoadPictures();
  HFONT FontFor(const ControlLayout& c);
  void CreateControls();
  void CreateControl(const ControlLayout& c);
  RECT PixelRect(long left, long top, long width, long height) const;
  HWND ContainerOf(const ControlLayout& c) const;
  controls::ccXPButton* ButtonFor(const std::string& name);
  void CreateButton(const ControlLayout& c, HWND parent);
  PlainControl* PlainFor(const std::string& name, int index);
  void ShowKind(int kind);

  void Form_Load();
  void PlaceWindow();
  void EtchTitleBox();
  void FillTrackBox();
  void TakeAnimPoint();
  void Form_QueryUnload() {}
  void Form_Unload();
  void Unload() { form_.unload(); }
  void Cmd_Set_Click();
  void Cmd_Can_Click() { Unload(); }
  void Cmd_File_Click();
  void BGM_MouseDown(int index);
  void Pic_m_Click(int index);
  void Timer1_Timer();

  HINSTANCE instance_;
  VantrelPHost host_;
  FormWindow form_;
  HWND hwnd_ = nullptr;
  std::vector<ControlLayout> layout_;
  double twipsPerPixelX_ = 15.0;
  double twipsPerPixelY_ = 15.0;
  std::map<std::string, HFONT> fonts_;  // by their saved text
  HFONT font_ = nullptr;                // the first font of the layout
  UINT timer1Interval_ = kTimer1Interval;
  HCURSOR hand_ = nullptr;
  HBITMAP imgRa_[2] = {};   // the kind marks: empty and selected
  HBITMAP picT_[24] = {};   // the banner frames 1-24
  forms::AmbientContainer ambient_;
  controls::GFXFrameX gfxFrameX1_;
  HWND bgmRepeat_ = nullptr;
  controls::ccXPButton cmdFile_, cmdSet_, cmdCan_;
  PlainControl sh_[2], lblTitle_, lblRepeat_, imgBgm_[3], lblBgm_[3], lblFname_, picM_[2];
  std::int16_t counter_ = 0;
};

VantrelP::~VantrelP() {
  // The controls' windows go before the objects they point to.
  if (form_.handle()) DestroyWindow(form_.handle());
  for (HBITMAP b : imgRa_) if (b) DeleteObject(b);
  for (HBITMAP b : picT_) if (b) DeleteObject(b);
  for (const auto& f : fonts_) if (f.second) DeleteObject(f.second);
}

RECT VantrelP::PixelRect(long left, long top, long width, long height) const {
  const int x = controls::TwipsToPixels(left, twipsPerPixelX_);
  const int y = controls::TwipsToPixels(top, twipsPerPixelY_);
  const int w = controls::TwipsToPixels(width, twipsPerPixelX_);
  const int h = controls::TwipsToPixels(height, twipsPerPixelY_);
  return RECT{x, y, x + w, y + h};
}

// The pictures and the pointer the layout names by resource id; the
// picture-holding controls (marks and banner frames) need no window.
void VantrelP::LoadPictures() {
  const auto pictureOf = [this](const char* name, int index) -> HBITMAP {
    const ControlLayout* c = findControl(layout_, name, index);
    const int id = c ? c->properties.ReadInt32("Picture", 0) : 0;
    return id > 0 ? loadJpegResource(instance_, id) : nullptr;
  };
  for (int i = 0; i < 2; ++i) imgRa_[i] = pictureOf("Img_Ra", i);
  for (int n = 1; n <= 24; ++n) picT_[n - 1] = pictureOf("Pic_t", n);
  const ControlLayout* box = findControl(layout_, "Pic_m", 0);
  const int cursor = box ? box->properties.ReadInt32("MouseIcon", 0) : 0;
  if (cursor > 0) hand_ = LoadCursorW(instance_, MAKEINTRESOURCEW(cursor));
  if (const ControlLayout* timer = findControl(layout_, "Timer1")) {
    const int interval = timer->properties.ReadInt32("Interval", kTimer1Interval);
    if (interval > 0) timer1Interval_ = static_cast<UINT>(interval);
  }
}

HFONT VantrelP::FontFor(const ControlLayout& c) {
  const std::string text = c.properties.ReadString("Font", "");
  const auto found = fonts_.find(text);
  if (found != fonts_.end()) return found->second;
  const std::optional<forms::FontDesc> desc = forms::FontFromText(text);
  HFONT font = createDialogFont(desc ? *desc : forms::FontDesc{});
  fonts_[text] = font;
  if (!font_) font_ = font;
  return font;
}

HWND VantrelP::ContainerOf(const ControlLayout& c) const {
  return c.container.empty() ? hwnd_ : gfxFrameX1_.hWnd();
}

controls::ccXPButton* VantrelP::ButtonFor(const std::string& name) {
  if (name == "Cmd_Set") return &cmdSet_;
  if (name == "Cmd_Can") return &cmdCan_;
  if (name == "Cmd_File") return &cmdFile_;
  return nullptr;
}

// A button as saved: caption, font and the rest from its properties; a font
// face that is not installed gives way to a Japanese-capable stand-in.
void VantrelP::CreateButton(const ControlLayout& c, HWND parent) {
  controls::ccXPButton* b = ButtonFor(c.name);
  if (!b) return;
  if (b == &cmdSet_) b->Click = [this] { Cmd_Set_Click(); };
  if (b == &cmdCan_) b->Click = [this] { Cmd_Can_Click(); };
  if (b == &cmdFile_) b->Click = [this] { Cmd_File_Click(); };
  if (!b->Create(parent, ambient_, nullptr, c.name, c.left, c.top, c.width, c.height)) return;
  SetWindowLongPtrW(b->hWnd(), GWLP_ID, dialogControlId(c.name, c.index));
  b->ReadProperties(c.properties);
  const forms::FontDesc font = withInstalledFace(b->Font());
  if (font.face != b->Font().face) b->SetFont(font);
}

PlainControl* VantrelP::PlainFor(const std::string& name, int index) {
  const bool inRange3 = index >= 0 && index <= 2;
  const bool inRange2 = index >= 0 && index <= 1;
  if (name == "Sh" && inRange2) return &sh_[index];
  if (name == "lbl" && index == 15) return &lblTitle_;
  if (name == "lbl" && index == 14) return &lblRepeat_;
  if (name == "Img_BGM" && inRange3) return &imgBgm_[index];
  if (name == "lbl_BGM" && inRange3) return &lblBgm_[index];
  if (name == "lbl_Fname") return &lblFname_;
  if (name == "Pic_m" && inRange2) return &picM_[index];
  return nullptr;
}

void VantrelP::CreateControl(const ControlLayout& c) {
  const RECT r = PixelRect(c.left, c.top, c.width, c.height);
  const int id = dialogControlId(c.name, c.index);
  HWND parent = ContainerOf(c);
  switch (c.kind) {
    case ControlKind::Frame:
      if (gfxFrameX1_.Create(parent, ambient_, c.name, c.left, c.top, c.width, c.height)) {
        SetWindowLongPtrW(gfxFrameX1_.hWnd(), GWLP_ID, id);
        gfxFrameX1_.ReadProperties(c.properties);
      }
      return;
    case ControlKind::Button:
      CreateButton(c, parent);
      return;
    case ControlKind::ComboBox: {
      // The window's height includes the dropped-down list.
      bgmRepeat_ = CreateWindowExW(0, L"COMBOBOX", L"",
                                   WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN,
                                   r.left, r.top, r.right - r.left,
                                   r.bottom - r.top + kDropDownListPixels, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                                   nullptr);
      SendMessageW(bgmRepeat_, WM_SETFONT, reinterpret_cast<WPARAM>(font_ ? font_ : FontFor(c)),
                   FALSE);
      return;
    }
    default: break;
  }
  PlainControl* p = PlainFor(c.name, c.index);
  if (!p) return;
  switch (c.kind) {
    case ControlKind::Label: p->kind = PlainKind::Label; break;
    case ControlKind::Image: p->kind = PlainKind::Image; break;
    case ControlKind::Picture: p->kind = PlainKind::Picture; break;
    default: p->kind = PlainKind::Shape; break;
  }
  if (p->kind == PlainKind::Label) p->font = FontFor(c);
  p->text = controls::Utf8ToWide(c.caption());
  p->back = kBackColour;
  // Colours are stored as red + 256 green + 65536 blue, as COLORREF holds them.
  p->line = static_cast<COLORREF>(c.properties.ReadInt32("BorderColor", 0)) & 0xFFFFFF;
  p->centred = c.properties.ReadInt32("Alignment", 0) == 2;
  p->bordered = c.properties.ReadInt32("BorderStyle", 0) == 1;
  if (c.name == "Img_BGM" || c.name == "lbl_BGM") {
    const int index = c.index;
    p->onMouseDown = [this, index] { BGM_MouseDown(index); };
  }
  if (c.name == "Pic_m") {
    const int index = c.index;
    p->cursor = hand_;
    p->onClick = [this, index] { Pic_m_Click(index); };
  }
  if (!createPlainControl(p, parent, id, r)) return;
  setPlainText(p, p->text);
  if (p->kind == PlainKind::Label && !p->bordered) fitLabelToText(p);
}

void VantrelP::CreateControls() {
  ambient_.SetBackColor(static_cast<std::int32_t>(kBackColour));
  ambient_.SetUserMode(true);
  for (const ControlLayout& c : layout_) CreateControl(c);
}

bool VantrelP::Load() {
  layout_ = dialogLayoutFromText(resourceBytes(instance_, IDR_VANTREL_P_LAYOUT));
  if (layout_.empty()) return false;
  LoadPictures();
  twipsPerPixelX_ = screenTwipsPerPixelX();
  twipsPerPixelY_ = screenTwipsPerPixelY();
  const RECT client = PixelRect(0, 0, kDialogClientWidthTwips, kDialogClientHeightTwips);
  FormStyle style;
  style.caption = kFormCaption;
  style.style = kFormStyle;
  style.exStyle = kFormExStyle;
  style.background = kBackColour;
  style.width = client.right;
  style.height = client.bottom;
  FormEvents events;
  events.load = [this] { OnLoad(); };
  events.timer = [this](UINT_PTR id) {
    if (id == kTimer1) Timer1_Timer();
  };
  events.unload = [this] {
    Form_QueryUnload();
    Form_Unload();
  };
  return form_.load(style, std::move(events));
}

// The window exists, hidden: its controls are made, then its load handler
// runs and the banner timer starts.
void VantrelP::OnLoad() {
  hwnd_ = form_.handle();
  HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_VANTREL_WINDOW));
  if (icon) {
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  CreateControls();
  Form_Load();
  form_.setTimer(kTimer1, timer1Interval_, true);
}

// Shown modally like the form host's modal loop, with the Tab key moving the
// focus between the dialog's tab stops as a form's keyboard interface does.
void VantrelP::ShowModal() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) SetFocus(first);
  MSG msg;
  while (form_.handle() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (OnTabKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool VantrelP::OnTabKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || !IsChild(hwnd_, msg.hwnd)) return false;
  // The combo box's edit field stands for the combo box itself.
  HWND from = msg.hwnd;
  if (GetParent(from) == bgmRepeat_) from = bgmRepeat_;
  forms::SendFocusKeys(from, GetKeyState(VK_SHIFT) < 0 ? "+{TAB}" : "{TAB}");
  return true;
}

void VantrelP::ShowKind(int kind) {
  const KindControls k = kindControlsFor(kind);
  for (int i = 0; i < 3; ++i) setPlainPicture(&imgBgm_[i], imgRa_[i == k.selectedMark ? 1 : 0]);
  if (bgmRepeat_) EnableWindow(bgmRepeat_, k.repeatEnabled);
  cmdFile_.SetEnabled(k.fileEnabled);
}

void VantrelP::Form_Load() {
  counter_ = 0;
  PlaceWindow();
  EtchTitleBox();
  ShowKind(*host_.bgmKind);
  FillTrackBox();
  setPlainText(&lblFname_, widePathOf(*host_.bgmFile));
  TakeAnimPoint();
  if (host_.animateOpen) host_.animateOpen(hwnd_);
}

// Centred across the screen, a third of the free height from the top.
void VantrelP::PlaceWindow() {
  RECT window;
  GetWindowRect(hwnd_, &window);
  const TwipsPoint at = dialogPosition(
      screenWidthTwips(), screenHeightTwips(), (window.right - window.left) * twipsPerPixelX_,
      (window.bottom - window.top) * twipsPerPixelY_);
  const RECT moved = PixelRect(at.left, at.top, 0, 0);
  SetWindowPos(hwnd_, nullptr, moved.left, moved.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The white line of the etched title box sits one pixel (15 twips) right of
// and below the black one.
void VantrelP::EtchTitleBox() {
  const ControlLayout* sh0 = findControl(layout_, "Sh", 0);
  if (!sh0 || !sh_[1].hwnd) return;
  const RECT r = PixelRect(sh0->left + 15, sh0->top + 15, sh0->width, sh0->height);
  SetWindowPos(sh_[1].hwnd, nullptr, r.left, r.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The stored track as its text, then the list: the empty entry and 1 to 30.
void VantrelP::FillTrackBox() {
  if (!bgmRepeat_) return;
  SetWindowTextW(bgmRepeat_, controls::Utf8ToWide(formatTrack(*host_.bgmTrack)).c_str());
  for (int n = 0; n <= 30; ++n) {
    SendMessageW(bgmRepeat_, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(controls::Utf8ToWide(formatTrack(n)).c_str()));
  }
}

// The zoom starts from, and ends at, where the mouse is now.
void VantrelP::TakeAnimPoint() {
  POINT cursor{};
  const bool known = GetCursorPos(&cursor) != 0;
  *host_.animX = known ? clampToInt16(cursor.x) : 0;
  *host_.animY = known ? clampToInt16(cursor.y) : 0;
}

void VantrelP::Form_Unload() {
  form_.enableTimer(kTimer1, false);
  if (host_.animateClose) host_.animateClose(hwnd_);
}

void VantrelP::Cmd_Set_Click() {
  if (host_.writeIniValue) {
    host_.writeIniValue(kSectionMusic, kKeyBgmKind, numberToText(*host_.bgmKind));
  }
  std::wstring text;
  if (bgmRepeat_) {
    const int length = GetWindowTextLengthW(bgmRepeat_);
    text.assign(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(bgmRepeat_, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(length));
  }
  *host_.bgmTrack = trackFromText(utf8OfWide(text));
  if (host_.writeIniValue) {
    host_.writeIniValue(kSectionMusic, kKeyBgmTrack, numberToText(*host_.bgmTrack));
    host_.writeIniValue(kSectionMusic, kKeyBgmFile, *host_.bgmFile);
  }
  Unload();
}

void VantrelP::Cmd_File_Click() {
  std::string chosen;
  if (!chooseBgmFile(hwnd_, instance_, *host_.bgmFolder, &chosen)) return;
  *host_.bgmFile = chosen;
  setPlainText(&lblFname_, widePathOf(chosen));
  if (host_.folderOfPath) *host_.bgmFolder = host_.folderOfPath(chosen);
}

void VantrelP::BGM_MouseDown(int index) {
  *host_.bgmKind = static_cast<std::int16_t>(index);
  ShowKind(index);
}

void VantrelP::Pic_m_Click(int) {
  HCURSOR previous = SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514) /* IDC_WAIT */));
  ShellExecuteA(hwnd_, "open", kAuthorWebPage, "", "", SW_SHOWNORMAL);
  SetCursor(previous);
}

void VantrelP::Timer1_Timer() {
  const BannerTick t = nextBannerTick(counter_);
  counter_ = t.counter;
  // The other box keeps its picture: clearing its run-time drawing shows no
  // change, since nothing is ever drawn on it at run time.
  if (t.box >= 0) setPlainPicture(&picM_[t.box], picT_[t.frame - 1]);
}

}  // namespace

bool showVantrelPModal(HINSTANCE instance, const VantrelPHost& host) {
  if (!host.bgmKind || !host.bgmTrack || !host.bgmFile || !host.bgmFolder || !host.animX ||
      !host.animY) {
    return false;
  }
  auto form = std::make_unique<VantrelP>(instance, host);
  if (!form->Load()) return false;
  form->ShowModal();
  return true;
}

}  // namespace vantrel
