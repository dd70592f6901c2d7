// Building a form from its layout: the controls with their settings, then
// the handlers bound by name.
#include "platform/Forms.h"

#include <map>

#include "platform/qt/FormWidgets.h"

namespace {

std::vector<std::string> SplitItems(const char* items)
{
    std::vector<std::string> result;
    if (!items) return result;
    std::string text(items);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        result.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

bool IsWindowed(const TControl* control)
{
    return dynamic_cast<const TWinControl*>(control) || dynamic_cast<const TButton*>(control) ||
           dynamic_cast<const TCheckBox*>(control) || dynamic_cast<const TComboBox*>(control) ||
           dynamic_cast<const TEdit*>(control) || dynamic_cast<const TListBox*>(control);
}

}  // namespace

TControl* TForm::CreateControl(const TControlSpec& spec, TWinControl* parent)
{
    std::unique_ptr<TControl> control;
    switch (spec.Kind) {
    case TControlKind::Label: {
        auto* label = new TLabel(parent, spec.Name);
        control.reset(label);
        if (spec.Color != clDefault) label->SetColor(spec.Color);
        label->SetAlignment(spec.Alignment);
        break;
    }
    case TControlKind::Button: {
        auto* button = new TButton(parent, spec.Name);
        control.reset(button);
        button->Default = spec.Default;
        button->Cancel = spec.Cancel;
        break;
    }
    case TControlKind::CheckBox: {
        auto* box = new TCheckBox(parent, spec.Name);
        control.reset(box);
        box->SetChecked(spec.Checked);
        break;
    }
    case TControlKind::ComboBox: {
        auto* combo = new TComboBox(parent, spec.Name);
        control.reset(combo);
        for (const std::string& item : SplitItems(spec.Items)) combo->AddItem(item);
        combo->SetItemIndex(spec.ItemIndex);
        combo->SetDropDownCount(spec.DropDownCount);
        break;
    }
    case TControlKind::Edit: {
        auto* edit = new TEdit(parent, spec.Name);
        control.reset(edit);
        edit->SetMaxLength(spec.MaxLength);
        break;
    }
    case TControlKind::GroupBox: control.reset(new TGroupBox(parent, spec.Name)); break;
    case TControlKind::ListBox: {
        auto* list = new TListBox(parent, spec.Name);
        control.reset(list);
        list->SetItemHeight(spec.ItemHeight);
        for (const std::string& item : SplitItems(spec.Items)) list->AddItem(item);
        list->SetItemIndex(spec.ItemIndex);
        break;
    }
    case TControlKind::Image: {
        auto* image = new TImage(parent, spec.Name);
        control.reset(image);
        image->SetStretch(spec.Stretch);
        image->SetCenter(spec.Center);
        image->SetAutoSize(spec.AutoSize);
        break;
    }
    case TControlKind::Shape: {
        auto* shape = new TShape(parent, spec.Name);
        control.reset(shape);
        shape->SetShape(spec.Shape);
        shape->SetPen(spec.PenColor, spec.PenWidth, spec.PenStyle);
        shape->SetBrush(spec.Color, spec.BrushStyle);
        break;
    }
    case TControlKind::Panel: {
        auto* panel = new TPanel(parent, spec.Name);
        control.reset(panel);
        panel->SetColor(spec.Color);
        panel->SetBevel(spec.Bevel);
        break;
    }
    case TControlKind::PaintBox: control.reset(new TPaintBox(parent, spec.Name)); break;
    case TControlKind::Bevel: {
        auto* bevel = new TBevel(parent, spec.Name);
        control.reset(bevel);
        bevel->SetShape(spec.BevelShape);
        bevel->SetStyle(spec.Bevel);
        break;
    }
    }
    TControl* result = control.get();
    result->SetBounds(spec.Left, spec.Top, spec.Width, spec.Height);
    // The size the layout gives, which a label's text may outgrow.
    result->Widget()->setProperty(kLaidOutSize, QSize(spec.Width, spec.Height));
    if (spec.FontHeight > 0) result->SetFontHeight(spec.FontHeight);
    if (spec.Bold) result->SetFontBold(true);
    if (spec.FontColor != clDefault) result->SetFontColor(spec.FontColor);
    if (spec.HandCursor) result->SetHandCursor(true);
    result->SetShowHint(spec.ShowHint);
    if (spec.Hint) result->SetHint(spec.Hint);
    if (spec.Caption) {
        if (auto* label = dynamic_cast<TLabel*>(result)) label->SetCaption(spec.Caption);
        if (auto* button = dynamic_cast<TButton*>(result)) button->SetCaption(spec.Caption);
        if (auto* box = dynamic_cast<TCheckBox*>(result)) box->SetCaption(spec.Caption);
        if (auto* group = dynamic_cast<TGroupBox*>(result)) group->SetCaption(spec.Caption);
        if (auto* panel = dynamic_cast<TPanel*>(result)) panel->SetCaption(spec.Caption);
        if (auto* edit = dynamic_cast<TEdit*>(result)) edit->SetText(spec.Caption);
    }
    if (spec.Picture) static_cast<TImage*>(result)->LoadFromResourceName(spec.Picture);
    result->SetEnabled(spec.Enabled);
    result->SetVisible(spec.Visible);
    m_Controls.push_back(std::move(control));
    return result;
}

void TForm::LoadLayout(const TFormSpec& spec, const std::vector<THandlerEntry>& handlers)
{
    m_LayoutName = spec.Name;
    SetCaption(spec.Caption);
    m_FormWidget->setFont(PlatformFont(spec.FontHeight > 0 ? spec.FontHeight : 13));
    SetColor(spec.Color);
    m_SystemMenu = spec.SystemMenu;
    m_Position = spec.Position;
    m_BorderStyle = spec.BorderStyle;
    m_FormWidget->setMinimumSize(0, 0);
    m_FormWidget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_FormWidget->resize(spec.ClientWidth, spec.ClientHeight);
    SetBorderStyle(spec.BorderStyle);

    // The controls, with their settings; no handler is bound yet.
    const std::size_t first = m_Controls.size();
    for (const TControlSpec& control : spec.Controls) {
        if (FindControl(control.Name))
            seam::FailInvariant(("control name " + std::string(control.Name) + " used once").c_str(), __FILE__,
                                __LINE__);
        TWinControl* parent = this;
        if (control.Parent) {
            parent = dynamic_cast<TWinControl*>(FindControl(control.Parent));
            if (!parent)
                seam::FailInvariant(("parent " + std::string(control.Parent) + " of " + control.Name +
                                     " is a panel or group box laid out before it")
                                        .c_str(),
                                    __FILE__, __LINE__);
        }
        CreateControl(control, parent);
    }
    // Windowed controls lie above the graphic ones.
    for (std::size_t i = first; i < m_Controls.size(); ++i)
        if (IsWindowed(m_Controls[i].get())) m_Controls[i]->Widget()->raise();

    // The handlers, by name, for the events each kind of control has.
    std::map<std::string, const THandlerEntry*> byName;
    for (const THandlerEntry& entry : handlers) byName[entry.Name] = &entry;
    auto notify = [&](const char* name, bool kindHasEvent, const std::string& owner) -> TNotifyEvent {
        if (!name) return nullptr;
        if (!kindHasEvent)
            seam::FailInvariant(("control " + owner + " has the event bound to " + name).c_str(), __FILE__, __LINE__);
        auto it = byName.find(name);
        if (it == byName.end() || !it->second->Notify)
            seam::FailInvariant(("handler " + std::string(name) + " of " + owner + " offered by the form").c_str(),
                                __FILE__, __LINE__);
        return it->second->Notify;
    };
    for (std::size_t i = 0; i < spec.Controls.size(); ++i) {
        const TControlSpec& s = spec.Controls[i];
        TControl* control = m_Controls[first + i].get();
        const TControlKind k = s.Kind;
        using K = TControlKind;
        const bool hasClick = k == K::Label || k == K::Button || k == K::CheckBox || k == K::ComboBox ||
                              k == K::Panel || k == K::ListBox || k == K::Image || k == K::PaintBox;
        TNotifyEvent onClick = notify(s.OnClick, hasClick, s.Name);
        TNotifyEvent onDblClick = notify(s.OnDblClick, k == K::ListBox, s.Name);
        TNotifyEvent onChange = notify(s.OnChange, k == K::ComboBox || k == K::Edit, s.Name);
        TNotifyEvent onPaint = notify(s.OnPaint, k == K::PaintBox, s.Name);
        if (auto* c = dynamic_cast<TLabel*>(control)) c->OnClick = onClick;
        if (auto* c = dynamic_cast<TButton*>(control)) c->OnClick = onClick;
        if (auto* c = dynamic_cast<TCheckBox*>(control)) c->OnClick = onClick;
        if (auto* c = dynamic_cast<TComboBox*>(control)) {
            c->OnClick = onClick;
            c->OnChange = onChange;
        }
        if (auto* c = dynamic_cast<TEdit*>(control)) c->OnChange = onChange;
        if (auto* c = dynamic_cast<TPanel*>(control)) c->OnClick = onClick;
        if (auto* c = dynamic_cast<TListBox*>(control)) {
            c->OnClick = onClick;
            c->OnDblClick = onDblClick;
        }
        if (auto* c = dynamic_cast<TImage*>(control)) c->OnClick = onClick;
        if (auto* c = dynamic_cast<TPaintBox*>(control)) {
            c->OnClick = onClick;
            c->OnPaint = onPaint;
        }
    }
    if (spec.OnClose) {
        auto it = byName.find(spec.OnClose);
        if (it == byName.end() || !it->second->Close)
            seam::FailInvariant(("close handler " + std::string(spec.OnClose) + " offered by the form").c_str(),
                                __FILE__, __LINE__);
        OnClose = it->second->Close;
    }
}
