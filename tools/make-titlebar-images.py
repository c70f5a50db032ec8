#!/usr/bin/env python3
"""Writes the title-bar button images into resources/images.

Run it again after changing a colour here; the SVG files it writes are the
ones the program ships, so commit them together with this script.
"""
import pathlib
import sys

OUT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                   pathlib.Path(__file__).resolve().parent.parent / "resources" / "images")

# fill, rim, pressed fill, pressed rim, glyph, pressed glyph
KINDS = {
    "Close": {
        "Light": ("#ff5f57", "#e0443e", "#c94a43", "#ad3630", "#7e0508", "#4a0002"),
        "Dark": ("#ff5f57", "#d7473f", "#c94a43", "#a9362f", "#7e0508", "#4a0002"),
    },
    "Min": {
        "Light": ("#febc2e", "#dea123", "#c9911b", "#ad7c14", "#985712", "#5c3306"),
        "Dark": ("#febc2e", "#d69d22", "#c9911b", "#a8790f", "#985712", "#5c3306"),
    },
    "Zoom": {
        "Light": ("#28c840", "#1aab29", "#1f9c32", "#167f25", "#0a6413", "#023b08"),
        "Dark": ("#28c840", "#1ea42f", "#1f9c32", "#157a23", "#0a6413", "#023b08"),
    },
}

# Grey looks shared by all three kinds: the window is not key, or the button is
# disabled; with the width of the rim. The buttons of a window that is not key
# still work: their pale faces get a whole pixel of rim that keeps 3:1 against
# the title strip (WindowAppearance::controlBorderColor). Disabled ones may
# stay faint.
GREYS = {
    "Inactive": {"Light": ("#d9d9db", "#7c7c81", 1.0), "Dark": ("#545457", "#88888c", 1.0)},
    "Disabled": {"Light": ("#e5e5e7", "#cfcfd2", 0.6), "Dark": ("#38383b", "#4b4b4f", 0.6)},
}


def circle(fill, rim, rim_width=0.6):
    return (f'  <circle cx="6" cy="6" r="6" fill="{rim}"/>\n'
            f'  <circle cx="6" cy="6" r="{6 - rim_width:g}" fill="{fill}"/>\n')


def glyph(kind, colour):
    if kind == "Close":
        return (f'  <path d="M3.85 3.85 8.15 8.15M8.15 3.85 3.85 8.15" stroke="{colour}" '
                f'stroke-width="1.1" stroke-linecap="round" fill="none"/>\n')
    if kind == "Min":
        return (f'  <path d="M3.2 6H8.8" stroke="{colour}" stroke-width="1.2" '
                f'stroke-linecap="round" fill="none"/>\n')
    return (f'  <path d="M3.7 3.7H7L3.7 7Z M8.3 8.3H5L8.3 5Z" fill="{colour}" '
            f'stroke="{colour}" stroke-width="0.25" stroke-linejoin="round"/>\n')


def svg(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="12" height="12" '
            'viewBox="0 0 12 12">\n' + body + '</svg>\n')


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    written = []
    for kind, schemes in KINDS.items():
        for scheme, (fill, rim, pfill, prim, gl, pgl) in schemes.items():
            files = {
                f"{kind}DefaultSingleFor{scheme}": circle(fill, rim),
                f"{kind}HoverSingleFor{scheme}": circle(fill, rim) + glyph(kind, gl),
                f"{kind}PressedSingleFor{scheme}": circle(pfill, prim) + glyph(kind, pgl),
            }
            for name, body in files.items():
                (OUT / f"{name}.svg").write_text(svg(body))
                written.append(name)
    for prefix, schemes in GREYS.items():
        for scheme, (fill, rim, rim_width) in schemes.items():
            name = f"{prefix}DefaultSingleFor{scheme}"
            (OUT / f"{name}.svg").write_text(svg(circle(fill, rim, rim_width)))
            written.append(name)
    print(f"wrote {len(written)} images to {OUT}")


if __name__ == "__main__":
    main()
