#!/usr/bin/env python3
"""Turns the user's guide from Markdown into the HTML page the program opens.

guide-html.py SOURCE.md OUTPUT.html LANG

Pictures are written in the Markdown as guide/NAME.png (beside docs/guide.md); the page
sits in the guide folder itself, so the prefix goes. Anchors are plain <a id="..."> in
the Markdown, so they work on the repository's web view as well.
"""
import html
import re
import sys

import markdown


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: guide-html.py SOURCE.md OUTPUT.html LANG")
    source, output, lang = sys.argv[1:]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    text = re.sub(r"\]\(guide/", "](", text)
    text = re.sub(r'src="guide/', 'src="', text)
    # The two languages link to each other.
    text = re.sub(r"\]\(guide\.en\.md", "](index.en.html", text)
    text = re.sub(r"\]\(guide\.md", "](index.html", text)
    body = markdown.markdown(text, extensions=["tables", "toc", "fenced_code"],
                             output_format="html5")
    match = re.search(r"<h1[^>]*>(.*?)</h1>", body, re.S)
    title = re.sub(r"<[^>]+>", "", match.group(1)) if match else "Ferrovane"
    page = f"""<!DOCTYPE html>
<html lang="{html.escape(lang)}">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title}</title>
<style>
body {{ max-width: 50em; margin: 2em auto; padding: 0 1em; line-height: 1.6;
       font-family: sans-serif; color: #222; }}
img {{ max-width: 100%; border: 1px solid #ccc; }}
code, kbd {{ background: #f2f2f2; padding: 0 .2em; }}
table {{ border-collapse: collapse; }}
th, td {{ border: 1px solid #ccc; padding: .2em .5em; text-align: left; }}
h2 {{ border-bottom: 1px solid #ddd; margin-top: 2em; }}
</style>
</head>
<body>
{body}
</body>
</html>
"""
    with open(output, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main()
