// How the control built-ins read their control argument: which child of a
// window it names, and whether it names a combo box or a list box.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The child that the control argument `argument` names among a window's children
// (given in enumeration order by their class names; their texts are read only
// when needed), or -1. First by class and instance: a child whose class begins
// `argument` counts one more instance (one count shared by all such classes), and
// it is the one when class plus count ("Edit2") equals `argument`. Then, only when
// that finds nothing, the first child whose text equals `argument`.
int MatchControlArgument(const std::string& argument, const std::vector<std::string>& classNames,
                         const std::function<std::string(std::size_t)>& textOf);

// The kind of box the control argument names, read from its text (ignoring
// case), not from the real class: "Combo" / "List", or with fullClassName
// "ComboBox" / "ListBox".
enum class BoxKind { kNone, kCombo, kList };
BoxKind BoxKindOfArgument(const std::string& control, bool fullClassName);
