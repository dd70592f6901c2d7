// The form layer: forms and the standard controls of the board forms, on Qt 6
// Widgets. No Qt header is needed to use it.
//
// How a form is written
// ---------------------
//   class TFormExample : public TForm {
//   public:
//       explicit TFormExample(TForm* owner);
//       TButton* ButtonGen = nullptr;
//       TCheckBox* CheckBoxLED = nullptr;
//       void ButtonGenClick(TObject* Sender);
//       void CheckBoxClick(TObject* Sender);
//   };
//
//   static const TFormSpec kLayout = {
//       .Name = "TFORMEXAMPLE", .Caption = "Example", .ClientWidth = 400, .ClientHeight = 300,
//       .Controls = {
//           {.Kind = TControlKind::Button, .Name = "ButtonGen", .Left = 10, .Top = 260, .Width = 100,
//            .Height = 30, .Caption = "Generate", .OnClick = "ButtonGenClick", .HandCursor = true},
//           {.Kind = TControlKind::CheckBox, .Name = "CheckBoxLED", .Parent = "GroupBoxConfig", ...},
//       }};
//
//   TFormExample::TFormExample(TForm* owner) : TForm(owner)
//   {
//       LoadLayout(kLayout, {{"ButtonGenClick", Bind(&TFormExample::ButtonGenClick)},
//                            {"CheckBoxClick", Bind(&TFormExample::CheckBoxClick)}});
//       ButtonGen = Find<TButton>("ButtonGen");
//       CheckBoxLED = Find<TCheckBox>("CheckBoxLED");
//   }
//
// Controls sit at the pixel positions of the layout, relative to their parent
// (the form, a panel or a group box; a group box's origin is its outer top-left
// corner). Handlers are bound by the names written in the layout; a name that
// the form does not offer is a programming error. Among siblings, controls
// created later lie on top, except that windowed controls (buttons, check
// boxes, combo boxes, edits, list boxes, panels, group boxes) always lie above
// labels, images, shapes, paint boxes and bevels. Settings given in the layout
// are applied before the handlers are bound, so loading a layout runs no
// handler.
//
// When events run (as the board forms expect of the Windows controls)
// -------------------------------------------------------------------
// - TCheckBox::OnClick runs whenever the tick changes: when the user clicks it
//   AND when code calls SetChecked with a different value.
// - TComboBox::OnChange and OnClick run only when the user picks an item (also
//   the item already shown); SetItemIndex, AddItem and Clear never run them.
// - TListBox::OnClick runs when the user makes another row current, never for
//   SetItemIndex; OnDblClick when the user double-clicks a row.
// - TEdit::OnChange runs whenever the text changes, by typing or by SetText.
// - TButton::OnClick runs when the user presses the button: by a click, by
//   Space or Enter while it has the focus, by Enter for the form's Default
//   button while no button has the focus, and by Escape for its Cancel
//   button (Default and Cancel buttons while visible and enabled).
// - A form's OnClose runs from Close() and when the user closes its window.
// - An exception that escapes any handler is caught where the layer called
//   the handler and shown in an error box with its text (the application's
//   standard exception box); the program goes on with the next event.
//
// Other services: modal forms (ShowModal, SetModalResult), posted messages to
// a form (PostMessage, TForm::WndProc), named pictures (TImage), the screen
// size. Message boxes, file dialogs, the beep, the left-Ctrl state and raw
// resources are the seam's (platform/Seam.h); the profile (.INI) file is
// platform/IniFile.h.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Seam.h"

class QEventLoop;
class QPainter;
class QWidget;

// ---- Basic types ----------------------------------------------------------

// A Windows colour value: 0x00BBGGRR.
typedef uint32_t TColor;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
// The platform's own colour for the part (window background, text).
constexpr TColor clDefault = 0xFF000000;

// Modal results.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

// Window messages posted to a form.
constexpr uint32_t WM_USER = 0x0400;
struct TMessage {
    uint32_t Msg;
    uintptr_t WParam;
    intptr_t LParam;
};

enum class TControlKind { Label, Button, CheckBox, ComboBox, Edit, GroupBox, ListBox, Image, Shape, Panel, PaintBox, Bevel };
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum TPosition { poDesigned, poScreenCenter, poOwnerFormCenter };
enum TShapeType { stRectangle, stRoundRect, stEllipse };
enum TPenStyle { psSolid, psDash, psDot };
enum TBrushStyle { bsSolid, bsClear };
enum TBevelCut { bvNone, bvLowered, bvRaised };
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TCloseAction { caNone, caHide };

// The base of every exception the layer raises.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};
// A named resource that the program does not carry.
class EResNotFound : public Exception {
public:
    explicit EResNotFound(const std::string& name);
};

class TObject {
public:
    virtual ~TObject() = default;
};

class TForm;
class TWinControl;
using TNotifyEvent = std::function<void(TObject* Sender)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// ---- Layouts --------------------------------------------------------------

// One control of a form layout. Fields not given keep these defaults; give
// them in declaration order (designated initializers).
struct TControlSpec {
    TControlKind Kind = TControlKind::Label;
    const char* Name = "";
    const char* Parent = nullptr;  // a panel or group box of the same layout; nullptr: the form
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    const char* Caption = nullptr;  // label, button, check box, group box, panel; an edit's text
    // Handlers, by name.
    const char* OnClick = nullptr;
    const char* OnDblClick = nullptr;
    const char* OnChange = nullptr;
    const char* OnPaint = nullptr;
    // Look and state.
    bool Visible = true;
    bool Enabled = true;
    bool HandCursor = false;
    int FontHeight = 0;  // pixels; 0: the parent's
    bool Bold = false;
    TColor FontColor = clDefault;
    TColor Color = clDefault;  // background of labels and panels, the brush of shapes
    const char* Hint = nullptr;  // the text shown on hover (a tool tip)
    bool ShowHint = true;        // false: the control keeps its hint without showing it
    TAlignment Alignment = taLeftJustify;  // label
    // Kind-specific.
    const char* Items = nullptr;  // combo box and list box: items separated by '\n'
    int ItemIndex = -1;           // combo box and list box
    int DropDownCount = 8;        // combo box: rows shown when dropped down
    int ItemHeight = 0;           // list box; 0: the platform's
    int MaxLength = 0;            // edit; 0: no limit
    bool Checked = false;         // check box
    bool Default = false;         // button: Enter presses it
    bool Cancel = false;          // button: Escape presses it
    const char* Picture = nullptr;  // image: a named bitmap resource
    bool AutoSize = false;          // image: takes its picture's size
    bool Stretch = false;           // image: scales the picture to the control
    bool Center = false;            // image: centres the picture in the control
    TShapeType Shape = stRectangle;
    TColor PenColor = clBlack;      // shape
    int PenWidth = 1;               // shape
    TPenStyle PenStyle = psSolid;   // shape
    TBrushStyle BrushStyle = bsSolid;  // shape
    TBevelCut Bevel = bvRaised;     // panel border; bevel control: lowered or raised
    TBevelShape BevelShape = bsBox;  // bevel control
};

// A form layout: the form's own settings and its controls, parents before
// their children.
struct TFormSpec {
    const char* Name = "";
    const char* Caption = "";
    int ClientWidth = 0;
    int ClientHeight = 0;
    TBorderStyle BorderStyle = bsSizeable;
    bool SystemMenu = true;  // false: the window frame has no close box
    TPosition Position = poDesigned;
    int FontHeight = 11;  // pixels: the em height of the text (the layouts' 8-point sans serif)
    TColor Color = clDefault;
    const char* OnClose = nullptr;
    std::vector<TControlSpec> Controls;
};

// One handler that a form offers to its layout, under the layout's name.
struct THandlerEntry {
    THandlerEntry(std::string name, TNotifyEvent handler) : Name(std::move(name)), Notify(std::move(handler)) {}
    THandlerEntry(std::string name, TCloseEvent handler) : Name(std::move(name)), Close(std::move(handler)) {}
    std::string Name;
    TNotifyEvent Notify;
    TCloseEvent Close;
};

// ---- Controls -------------------------------------------------------------

class TControl : public TObject {
public:
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    const std::string& Name() const { return m_Name; }
    TWinControl* Parent() const { return m_Parent; }

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetBounds(int left, int top, int width, int height);

    bool Visible() const;
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetHandCursor(bool hand);
    void SetFontBold(bool bold);
    void SetFontHeight(int pixels);
    void SetFontColor(TColor color);
    // The hint, shown as a tool tip while the mouse rests on the control
    // unless the control is told not to show it.
    const std::string& Hint() const { return m_Hint; }
    bool ShowHint() const { return m_ShowHint; }
    void SetHint(const std::string& hint);
    void SetShowHint(bool show);

    // The Qt widget behind the control (for the layer itself and for tests).
    QWidget* Widget() const { return m_Widget; }

protected:
    TControl(TWinControl* parent, const std::string& name, QWidget* widget);
    // A form is its own top-level control; its widget is made by TForm.
    explicit TControl(const std::string& name);
    void AttachWidget(QWidget* widget) { m_Widget = widget; }

private:
    friend class TForm;
    std::string m_Name;
    TWinControl* m_Parent = nullptr;
    QWidget* m_Widget = nullptr;
    std::string m_Hint;
    bool m_ShowHint = true;
};

// A control that holds other controls: forms, panels, group boxes.
class TWinControl : public TControl {
public:
    using TControl::TControl;
};

class TLabel : public TControl {
public:
    TLabel(TWinControl* parent, const std::string& name);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    void SetAlignment(TAlignment alignment);
    void SetColor(TColor color);
    TNotifyEvent OnClick;
};

class TButton : public TControl {
public:
    TButton(TWinControl* parent, const std::string& name);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Default = false;  // Enter presses it
    bool Cancel = false;   // Escape presses it
    TNotifyEvent OnClick;
};

class TCheckBox : public TControl {
public:
    TCheckBox(TWinControl* parent, const std::string& name);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Checked() const;
    // Runs OnClick when the tick changes.
    void SetChecked(bool checked);
    TNotifyEvent OnClick;
};

class TComboBox : public TControl {
public:
    TComboBox(TWinControl* parent, const std::string& name);
    void Clear();
    void AddItem(const std::string& text);
    int ItemCount() const;
    std::string ItemText(int index) const;
    int ItemIndex() const;
    // -1 selects nothing; runs no handler.
    void SetItemIndex(int index);
    std::string Text() const;  // the text of the selected item
    void SetDropDownCount(int rows);
    TNotifyEvent OnChange;  // the user picked an item
    TNotifyEvent OnClick;   // the user picked an item

private:
    bool m_Filling = false;
};

class TEdit : public TControl {
public:
    TEdit(TWinControl* parent, const std::string& name);
    std::string Text() const;
    // Runs OnChange when the text changes.
    void SetText(const std::string& text);
    int MaxLength() const;
    // At most that many bytes of its text (UTF-8, as Text gives it), so that
    // a fixed record field of MaxLength + 1 bytes holds it whole; 0: no
    // limit. Typing and pasting keep what fits, in whole characters; a
    // longer text is cut, also by SetText.
    void SetMaxLength(int length);
    TNotifyEvent OnChange;

private:
    int m_MaxLength = 0;
};

class TGroupBox : public TWinControl {
public:
    TGroupBox(TWinControl* parent, const std::string& name);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
};

class TPanel : public TWinControl {
public:
    TPanel(TWinControl* parent, const std::string& name);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    void SetColor(TColor color);
    void SetBevel(TBevelCut bevel);
    TNotifyEvent OnClick;
};

class TListBox : public TControl {
public:
    TListBox(TWinControl* parent, const std::string& name);
    void Clear();
    void AddItem(const std::string& text);
    int ItemCount() const;
    std::string ItemText(int index) const;
    int ItemIndex() const;
    // -1 selects nothing; runs no handler.
    void SetItemIndex(int index);
    void SetItemHeight(int pixels);
    TNotifyEvent OnClick;     // the user made another row current
    TNotifyEvent OnDblClick;  // the user double-clicked a row

private:
    bool m_Setting = false;
    int m_ItemHeight = 0;
};

class TImage : public TControl {
public:
    TImage(TWinControl* parent, const std::string& name);
    // Loads the named bitmap resource (name matched without regard to case);
    // throws EResNotFound when the program has none of that name.
    void LoadFromResourceName(const std::string& name);
    // Draws the named bitmap resource over the picture with its top-left
    // corner at (x, y); throws EResNotFound when the program has none of that
    // name. Nothing happens while the image has no picture.
    void DrawResource(const std::string& name, int x, int y);
    void Clear();
    bool HasPicture() const;
    int PictureWidth() const;
    int PictureHeight() const;
    void SetAutoSize(bool autoSize);  // the control takes the picture's size
    void SetStretch(bool stretch);
    void SetCenter(bool center);
    TNotifyEvent OnClick;

private:
    bool m_AutoSize = false;
};

class TShape : public TControl {
public:
    TShape(TWinControl* parent, const std::string& name);
    void SetShape(TShapeType shape);
    void SetPen(TColor color, int width, TPenStyle style = psSolid);
    void SetBrush(TColor color, TBrushStyle style);
};

class TBevel : public TControl {
public:
    TBevel(TWinControl* parent, const std::string& name);
    void SetShape(TBevelShape shape);
    void SetStyle(TBevelCut style);
};

// Drawing on a paint box, valid only while its OnPaint handler runs.
class TCanvas {
public:
    explicit TCanvas(QPainter* painter) : m_Painter(painter) {}
    void SetPen(TColor color, int width = 1, TPenStyle style = psSolid);
    void SetBrush(TColor color, TBrushStyle style = bsSolid);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    void TextOut(int x, int y, const std::string& text);

private:
    QPainter* m_Painter;
    int m_X = 0;
    int m_Y = 0;
};

class TPaintBox : public TControl {
public:
    TPaintBox(TWinControl* parent, const std::string& name);
    // The canvas of the paint in progress; nullptr outside OnPaint.
    TCanvas* Canvas() const { return m_Canvas; }
    void Invalidate();
    TNotifyEvent OnPaint;
    TNotifyEvent OnClick;

private:
    friend class PaintBoxWidget;
    TCanvas* m_Canvas = nullptr;
};

// ---- Forms ----------------------------------------------------------------

class FormWidget;

class TForm : public TWinControl {
public:
    // A form without controls, owned by owner (nullptr: by nobody). An owner
    // destroys the forms it still owns when it is destroyed.
    explicit TForm(TForm* owner);
    ~TForm() override;

    // Builds the layout's controls and binds its handlers by name.
    void LoadLayout(const TFormSpec& spec, const std::vector<THandlerEntry>& handlers = {});

    // A control of the layout by name and kind; a wrong name or kind is a
    // programming error.
    template <class T>
    T* Find(const std::string& name) const
    {
        T* control = dynamic_cast<T*>(FindControl(name));
        if (!control) ::seam::FailInvariant(("control " + name + " of its kind").c_str(), __FILE__, __LINE__);
        return control;
    }
    TControl* FindControl(const std::string& name) const;  // nullptr when there is none
    // Every control of the layout, in layout order.
    std::vector<TControl*> Controls() const;

    // A handler of a form method, for the handler table of LoadLayout.
    template <class F>
    TNotifyEvent Bind(void (F::*method)(TObject*))
    {
        F* self = static_cast<F*>(this);
        return [self, method](TObject* sender) { (self->*method)(sender); };
    }
    template <class F>
    TCloseEvent Bind(void (F::*method)(TObject*, TCloseAction&))
    {
        F* self = static_cast<F*>(this);
        return [self, method](TObject* sender, TCloseAction& action) { (self->*method)(sender, action); };
    }

    TForm* Owner() const { return m_Owner; }
    const std::string& LayoutName() const { return m_LayoutName; }

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    void SetColor(TColor color);
    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    void SetBorderStyle(TBorderStyle style);
    void SetSystemMenu(bool systemMenu);
    void SetPosition(TPosition position) { m_Position = position; }
    // A form shown as a window of its own is placed as its Position says.
    void SetVisible(bool visible) override;

    // Hosts this form inside another form's client area (nullptr: a window of
    // its own again). Left and Top are then relative to the host.
    void SetParent(TForm* host);
    TForm* HostForm() const { return m_Host; }

    // Closes the form: runs OnClose, then hides it; a modal form ends its
    // ShowModal with mrCancel unless a result is set; the application's main
    // form ends the program's event loop.
    void Close();
    // Shows the form as a modal dialog and returns its modal result once a
    // handler has set one (SetModalResult) or the form was closed.
    int ShowModal();
    int ModalResult() const { return m_ModalResult; }
    void SetModalResult(int result);
    bool IsModal() const { return m_Modal; }

    TCloseEvent OnClose;

    // The form's window procedure: receives the messages posted to the form.
    // The base does nothing.
    virtual void WndProc(TMessage& message);

    // Button presses through Enter and Escape (the Default and Cancel buttons).
    bool PressDefaultButton();
    bool PressCancelButton();
    // What a click on the window frame's close box does.
    void CloseByFrame();

protected:
    // Runs OnClose; a derived form may add what must happen on every close.
    virtual void DoClose(TCloseAction& action);

private:
    friend class FormWidget;
    void AddOwned(TForm* form);
    void RemoveOwned(TForm* form);
    TControl* CreateControl(const TControlSpec& spec, TWinControl* parent);
    void Deliver(TMessage message);
    void PlaceForShow();

    TForm* m_Owner = nullptr;
    TForm* m_Host = nullptr;
    std::string m_LayoutName;
    std::vector<TForm*> m_Owned;
    std::vector<std::unique_ptr<TControl>> m_Controls;
    FormWidget* m_FormWidget = nullptr;
    TPosition m_Position = poDesigned;
    TBorderStyle m_BorderStyle = bsSizeable;
    bool m_SystemMenu = true;
    bool m_Modal = false;
    int m_ModalResult = mrNone;
    QEventLoop* m_ModalLoop = nullptr;
};

// Posts a message to a form: it reaches the form's WndProc from the event
// loop, after the current handler has returned. Nothing happens when the form
// is destroyed before.
void PostMessage(TForm* target, uint32_t msg, uintptr_t wParam, intptr_t lParam);

// Runs code as the layer runs handlers: an exception that
// escapes is shown in the error box.
void RunHandler(const std::function<void()>& code);
// The application's standard exception box.
void ShowException(const std::string& message);

// The screen's size in pixels.
int ScreenWidth();
int ScreenHeight();

// The full path of the running program ("/"-separated).
std::string ExecutablePath();

// ---- The application ------------------------------------------------------

class QtSeamBackend;

// The application object: the Qt application, the Qt seam backend, the main
// form and the event loop.
class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Creates the main form (the application owns it); closing it ends Run.
    void CreateMainForm(const std::function<TForm*()>& create);
    // Shows the main form and runs the event loop until it closes.
    int Run();

private:
    struct Impl;
    std::unique_ptr<Impl> m_Impl;
};

// The form whose closing ends the event loop; nullptr when there is none.
TForm* ApplicationMainForm();
