#!/usr/bin/env bash
# Refreshes src/gui/translations/ferrovane_en.ts from the front end's sources: new texts
# come in unfinished, texts no longer used go. Fill in the English of the new entries by
# hand (Qt Linguist or an editor) before committing; the tests refuse unfinished ones.
# The headers are found through src/, so that each text gets its class's full name as
# context, as Qt asks for it at run time.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate6 || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
"$lupdate" -I src -recursive src/gui -extensions cpp,h \
    -source-language ja_JP -target-language en -locations none -no-obsolete \
    -ts src/gui/translations/ferrovane_en.ts
