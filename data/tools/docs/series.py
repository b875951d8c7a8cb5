#!/usr/bin/env python3
"""Builds the descriptions of the bundled fan series from the catalogue sources and the texts in series/.

Writes Manual.rtf (general ventilation), Manualsmk.rtf (smoke exhaust) and one <first word>.rtf per series
(the file a series window opens under "Описание серии") into data/files/.

Usage: series.py [CATALOGUE_DIR] [OUTPUT_DIR]
"""
import csv
import pathlib
import re
import sys

import rtfmake

SPEED = {2: 3000, 4: 1500, 6: 1000, 8: 750, 12: 500, 16: 375}


def read_descriptions(path):
    sections, name = {}, None
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("#"):
            continue
        match = re.fullmatch(r"\[(.+)\]", line.strip())
        if match:
            name = match.group(1)
            sections[name] = []
        elif name is not None:
            sections[name].append(line)
    return {k: "\n".join(v).strip() for k, v in sections.items()}


def number(text):
    return float(text.replace(",", ".")) if text.strip() else None


def fmt(value):
    """A figure as the program writes it: shortest form, decimal comma."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return text.replace(".", ",")


def read_series(path):
    """Records of a catalogue source grouped by series, in the order of first appearance."""
    with path.open(encoding="utf-8") as source:
        rows = list(csv.DictReader(source, delimiter="\t"))
    series = {}
    for row in rows:
        series.setdefault(row["Name"], []).append(row)
    return series


def points(rows, first):
    return [v for r in rows for i in range(first, first + 20) if (v := number(r.get(str(i), ""))) is not None]


def figures(rows, smoke):
    """The catalogue figures of one series as bullet lines of the markup."""
    out = []
    diameters = sorted({int(r["D"]) for r in rows})
    out.append(f"- диаметры рабочих колес: {diameters[0]}…{diameters[-1]} мм; моделей в каталоге: {len(rows)};")
    if not smoke:
        round_sizes = sorted({int(r["A"]) for r in rows if r.get("Krugl") == "1" and r["A"].strip()})
        rect_sizes = sorted({(int(r["A"]), int(r["B"])) for r in rows
                             if r.get("Krugl") == "0" and r["A"].strip() and r["B"].strip()}, key=lambda s: s[0] * s[1])
        if round_sizes:
            out.append(f"- присоединение к круглому воздуховоду диаметром {round_sizes[0]}…{round_sizes[-1]} мм;")
        if rect_sizes:
            (a1, b1), (a2, b2) = rect_sizes[0], rect_sizes[-1]
            out.append(f"- присоединение к прямоугольному каналу от {a1}*{b1} до {a2}*{b2} мм;")
    poles = sorted({int(r["Polus"]) for r in rows})
    speeds = ", ".join(str(SPEED.get(p, "")) for p in poles)
    phases = {r["Fazkol"] for r in rows}
    supply = {"0": "однофазные 220 В", "1": "трехфазные 380 В"}
    supply_text = " и ".join(supply[p] for p in sorted(phases))
    pole_text = f"{poles[0]}" if len(poles) == 1 else ", ".join(f"{p}-" for p in poles[:-1]) + f" и {poles[-1]}"
    out.append(f"- электродвигатели {pole_text}-полюсные (синхронная частота вращения "
               f"{speeds} об/мин), {supply_text};")
    powers = [number(r["Ny"]) for r in rows]
    out.append(f"- установленная мощность двигателя {fmt(min(powers))}…{fmt(max(powers))} кВт;")
    flows, pressures = points(rows, 1), points(rows, 21)
    static = any(r.get("Davlen") == "0" for r in rows)
    kind = "статическое" if static else "полное"
    out.append(f"- расход воздуха {fmt(min(flows))}…{fmt(max(flows))} м^{{3}}/ч; {kind} давление до {fmt(max(pressures))} Па;")
    masses = [number(r["Massa"]) for r in rows]
    noise = [number(r[k]) for r in rows for k in ("Lpa_Input", "Lpa_Output") if number(r[k]) is not None]
    line = f"- масса {fmt(min(masses))}…{fmt(max(masses))} кг"
    if noise:
        line += f"; уровень звуковой мощности {fmt(min(noise))}…{fmt(max(noise))} дБА"
    out.append(line + ";")
    if smoke:
        hot = sum(1 for r in rows if r.get("Stoikost") == "1")
        if hot == len(rows):
            out.append("- огнестойкость: 400 °C и 600 °C в течение 2 ч для всех типоразмеров.")
        elif hot:
            out.append(f"- огнестойкость: 400 °C в течение 2 ч; {hot} из {len(rows)} моделей — также 600 °C в течение 2 ч.")
        else:
            out.append("- огнестойкость: 400 °C в течение 2 ч.")
    out[-1] = out[-1].rstrip(";") + ("." if not out[-1].endswith(".") else "")
    return out


def section(title, text, rows, smoke):
    return [f"== {title}", "", text, "", "Данные каталога:", "", *figures(rows, smoke), ""]


def document(title, intro, series, texts, smoke):
    lines = [f"= {title}", "", intro, ""]
    for k, (name, rows) in enumerate(series.items(), 1):
        lines += section(f"{k}. {name}", texts.get(name, ""), rows, smoke)
    return "\n".join(lines)


def main():
    here = pathlib.Path(__file__).resolve().parent
    catalogue = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else here.parent.parent / "catalogue"
    target = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else here.parent.parent / "files"
    texts = read_descriptions(here / "series" / "descriptions.txt")
    outputs = {}
    for source, title, intro, smoke, name in (
            ("razmzfn.tsv", "Серии общеобменных вентиляторов", "Общеобменные", False, "Manual"),
            ("razmzfnsmk.tsv", "Серии вентиляторов дымоудаления", "Дымоудаления", True, "Manualsmk")):
        series = read_series(catalogue / source)
        missing = [s for s in series if s not in texts]
        if missing:
            sys.exit(f"series/descriptions.txt has no text for: {', '.join(missing)}")
        outputs[name] = document(title, texts[intro], series, texts, smoke)
        for series_name, rows in series.items():
            word = series_name.split(" ")[0]
            kind = "Вентиляторы дымоудаления" if smoke else "Вентиляторы"
            outputs[word] = "\n".join([f"= {kind} серии {series_name}", ""] +
                                      section("Описание", texts[series_name], rows, smoke))
    for name, markup in outputs.items():
        data = rtfmake.convert(markup, name)
        (target / f"{name}.rtf").write_bytes(data)
        print(f"{name}.rtf: {len(data)} bytes")


if __name__ == "__main__":
    main()
