#pragma once

// What assistive technology is given for the toolkit's own widgets: the
// toolkit's windows (CXWindowAccessible) and tables (CXTableAccessible, with
// CXTableCellAccessible items), and announcements as notifications. The widgets do not know these;
// they report their changes through QAccessible::updateAccessibility.
namespace AccessibleFactories {

// Registers the factories with QAccessible. Called once where a program
// starts, before any interface of these widgets is asked for.
void install();

}  // namespace AccessibleFactories
