#pragma once

// The colour scheme a window shows. Inside the program the scheme travels as
// this type only; the stored preference's numbers, the Appearance values and
// the appearance names are converted where they are read or written.
enum class ColorScheme { Light, Dark };
