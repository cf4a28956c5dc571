#pragma once
// Builds a form's components from a window layout description, in the description's order.
//
// The description is UTF-8 text, one statement a line:
//
//     # a comment
//     object Form1: TForm1            the form itself (its class name is not checked)
//       Caption = "Sorvanto"          a string; "" inside stands for one quote mark
//       Hint = "first part " +        a string continued on the next line
//         "second part"
//       ClientWidth = 612             a number
//       Position = poScreenCenter     an identifier (True, False, clBlue, taCenter ...)
//       Anchors = [akLeft, akBottom]  a set
//       Bounds = (8 8 393 17)         a list of numbers or strings, which may run over
//       Items = (                     several lines
//         "Mój komputer"
//       )
//       OnResize = FormResize         an event bound to a handler of the form
//       object Label15: TLabel        a component owned by the form; a control among
//         ...                         them gets the enclosing object as its parent
//       end
//       include "menu_start.layout"   the statements of another description
//     end
//
// Strings become Windows-1250. A component's properties come before its children, so a
// container has its size before anything is anchored in it. Unknown classes, properties,
// events or handlers raise an error naming the file and line.
#include "platform/layout_value.h"

#include <functional>
#include <string>
#include <string_view>

class TForm;

// The text of a description by its file name.
using LayoutSources = std::function<std::string_view(std::string_view fileName)>;

void LoadLayout(TForm& form, std::string_view fileName, const LayoutSources& sources,
                const EventHandlers& handlers);
