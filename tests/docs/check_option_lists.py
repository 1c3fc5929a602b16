#!/usr/bin/env python3
"""Fails when a page that lists a program's options names other options than the program declares.

Usage: check_option_lists.py SOURCE_DIR TAMBERLYX_CLI TAMBERLYX_DEVICE [TAMBERLYX_SETUP]

The declared options are read from each program's --help, which is made from its declaration: every
line of it that starts with an option. A page's options are its --long-option tokens; in a
Markdown page, those of its "Options" section only, since other sections quote other programs.
"""
import os
import pathlib
import re
import subprocess
import sys

HELP_LINE = re.compile(r"^\s+(?:-\w,\s*)?(--[a-z][a-z-]*)")
# The wizard's --help must come before any display is opened: with no display and the X11
# platform forced, a wizard that tried to start would fail instead of printing.
NO_DISPLAY = {key: value for key, value in os.environ.items()
              if key not in ("DISPLAY", "WAYLAND_DISPLAY")} | {"QT_QPA_PLATFORM": "xcb"}
TOKEN = re.compile(r"(?<![\w-])--[a-z][a-z-]*")


def declared(program):
    text = subprocess.run([program, "--help"], check=True, capture_output=True, text=True,
                          env=NO_DISPLAY, timeout=10).stdout
    return {match.group(1) for match in map(HELP_LINE.match, text.splitlines()) if match}


def section(text, title, level):
    """The lines under the heading `title` up to the next heading of the same or a higher level."""
    lines, inside = [], False
    for line in text.splitlines():
        heading = re.match(r"^(#+)\s+(.*)", line)
        if heading and len(heading.group(1)) <= level:
            inside = heading.group(2).strip().lower() == title.lower()
            continue
        if inside:
            lines.append(line)
    return "\n".join(lines)


def named(path, part=None):
    text = path.read_text()
    if part is not None:
        text = "\n".join(section(text, title, level) for title, level in part)
    return set(TOKEN.findall(text))


def compare(source, program, options, pages):
    wrong = []
    for page, found in pages:
        path = page.relative_to(source)
        if not found:
            wrong.append(f"{path}: names no option at all (is the section still there?)")
            continue
        for name in sorted(options - found):
            wrong.append(f"{path}: does not name {name}, which {program} declares")
        for name in sorted(found - options):
            wrong.append(f"{path}: names {name}, which {program} does not declare")
    return wrong


def main():
    source, cli, device = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3]
    options_section = [("Options", 2)]
    man = source / "packaging/tamberlyx-cli.1.scd"
    completion = source / "packaging/tamberlyx-cli.bash-completion"
    cli_page = source / "docs/cli.md"
    device_page = source / "docs/device.md"
    wrong = compare(source, "tamberlyx-cli", declared(cli), [
        (cli_page, named(cli_page, options_section)),
        (man, named(man, [("SYNOPSIS", 1), ("OPTIONS", 1)])),
        (completion, named(completion)),
    ])
    wrong += compare(source, "tamberlyx-device", declared(device), [
        (device_page, named(device_page, options_section)),
    ])
    if len(sys.argv) > 4:
        setup_man = source / "packaging/tamberlyx-setup.1.scd"
        wrong += compare(source, "tamberlyx-setup", declared(sys.argv[4]), [
            (setup_man, named(setup_man, [("SYNOPSIS", 1), ("OPTIONS", 1)])),
        ])
    for line in wrong:
        print(line, file=sys.stderr)
    if wrong:
        return 1
    print("option lists: the pages name the options each program declares")
    return 0


if __name__ == "__main__":
    sys.exit(main())
