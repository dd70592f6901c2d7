// What the tests of forms need beyond the form layer: user input as the user
// would give it (so that exactly the handlers run that a user's action runs),
// the delivery of posted messages, the modal form on screen, and stand-ins
// for the screen size and the program's path.
#pragma once

#include <functional>
#include <string>

#include "platform/Forms.h"

// The screen size that ScreenWidth/ScreenHeight report; 0, 0: the real one.
void SetScreenSizeForTesting(int width, int height);
// The path that ExecutablePath reports (and so the executable folder of the
// Qt seam backend); empty: the real one.
void SetExecutablePathForTesting(const std::string& path);

// The user clicks a button or a check box (nothing happens when disabled).
void UserClick(TButton* button);
void UserClick(TCheckBox* box);
// The user picks an item of a combo box from its list.
void UserPick(TComboBox* combo, int index);
// The user clicks a row of a list box, or double-clicks it.
void UserSelect(TListBox* list, int index);
void UserDoubleClick(TListBox* list, int index);
// The user replaces the text of an edit by typing (the maximum length holds).
void UserType(TEdit* edit, const std::string& text);
// The user presses Enter or Escape in a form.
enum class TUserKey { Enter, KeypadEnter, Escape };
void UserPressKey(TForm* form, TUserKey key);
// The user moves the focus to a control (as with Tab) and presses a key: the
// key reaches the control first and, unless the control takes it, its
// parents up to the form.
void UserPressKeyOn(TControl* control, TUserKey key);
// The user clicks the close box of a form's window frame.
void UserCloseWindow(TForm* form);

// The colour (0x00BBGGRR) of a pixel of an image's picture; clDefault
// outside the picture or without one.
TColor ImagePixel(const TImage* image, int x, int y);

// Delivers the messages posted so far (and other pending events).
void DeliverPostedMessages();

// The modal form on top, nullptr when none is shown.
TForm* ActiveModalForm();
// Runs action on the next modal form to be shown, from inside its modal run.
// Should the action leave the form open for more than timeoutMs, the form is
// ended with mrCancel and failed is set (when given).
void WhenModalShows(std::function<void(TForm& form)> action, bool* failed = nullptr, int timeoutMs = 5000);
