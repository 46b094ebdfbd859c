#!/usr/bin/env python3
"""The table of the command-list benchmarks, as Markdown on stdout.

    bench/Messtabelle.py BUILD [BUILD2]

Runs bench_befehle of the build folder for every platform, list and length,
each in fresh processes so that the peak memory belongs to that length (three
of them, taking turns across the lengths, and the fastest run of each step
counts: other work on the machine only ever adds), and prints milliseconds, microseconds per command and the growth exponent from
10,000 to 100,000 commands of every step; then the load of a 60,000-command
construction and a redraw with 6,000 points on Qt, bench_grafik's redraws,
and the instructions per command of loading and re-executing under callgrind.
With a second build folder the same runs follow for it, and the instructions
of the two are set side by side: before and after, on one machine in one run.
"""

import argparse
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

LAENGEN = [1000, 10000, 100000]
PLATTFORMEN = [("qt", "Qt offscreen"), ("speicher", "im Speicher")]
LISTEN = [("mischung", "Mischung"), ("konstruktion", "Konstruktion")]
LISTENTITEL = {"mischung": "Mischung (3 Punkte je 20 Befehle)", "konstruktion": "Konstruktion (1 Punkt je 4 Befehle)"}
SCHRITTE = ["Laden", "Wiederholen", "Loeschen", "Restore", "Neuzeichnen", "Paarliste", "Speichern"]
NAMEN = {
    "Laden": "Laden",
    "Wiederholen": "Wiederholen",
    "Loeschen": "mittleren Befehl löschen",
    "Restore": "Restore",
    "Neuzeichnen": "volles Neuzeichnen",
    "Paarliste": "Paarliste auffrischen",
    "Speichern": "Speichern",
}
# Each step's own instructions, counted by callgrind between entry and exit.
GEZAEHLT = ["Laden", "Wiederholen"]
ZAEHLLAENGEN = [1000, 10000]


class Lauf:
    """One process of bench_befehle: what it printed before it ended or ran out of time."""

    def __init__(self, befehl, zeitlimit):
        start = time.monotonic()
        prozess = subprocess.Popen(befehl, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        try:
            aus, fehler = prozess.communicate(timeout=zeitlimit)
            self.abgebrochen = False
        except subprocess.TimeoutExpired:
            prozess.kill()
            aus, fehler = prozess.communicate()
            self.abgebrochen = True
        self.sekunden = time.monotonic() - start
        self.code = prozess.returncode
        self.schritte = {}  # name: (runs, fastest ms)
        self.werte = {}
        for zeile in aus.splitlines():
            teile = zeile.split()
            if len(teile) == 3:
                self.schritte[teile[0]] = (int(teile[1]), float(teile[2]))
            elif len(teile) == 2:
                self.werte[teile[0]] = int(teile[1])
        self.meldungen = [z[len("Meldung: "):] for z in fehler.splitlines() if z.startswith("Meldung: ")]
        self.fehler = "" if self.code == 0 or self.abgebrochen else fehler.strip()


def Weiter(lauf):
    """Whether another process of the case is worth its time: not after one that failed or ran out."""
    return not lauf.abgebrochen and lauf.code == 0


def Dazu(bester, lauf):
    """The fastest of both runs for every step, and the smaller peak memory, kept in bester."""
    for schritt, (runden, ms) in lauf.schritte.items():
        bester.schritte[schritt] = (runden, min(ms, bester.schritte.get(schritt, (runden, ms))[1]))
    if "Spitze_KiB" in lauf.werte:
        bester.werte["Spitze_KiB"] = min(bester.werte.get("Spitze_KiB", lauf.werte["Spitze_KiB"]),
                                         lauf.werte["Spitze_KiB"])


def Zahl(n):
    return f"{n:,}"


def Millisekunden(ms):
    if ms >= 100:
        return f"{ms:,.0f}"
    return f"{ms:.1f}" if ms >= 1 else f"{ms:.3f}"


class Messung:
    def __init__(self, build, zeitlimit, prozesse):
        self.build = build
        self.zeitlimit = zeitlimit
        self.prozesse = prozesse
        self.programm = os.path.join(build, "bench", "bench_befehle")
        if not os.access(self.programm, os.X_OK):
            sys.exit(f"{self.programm} fehlt: erst bauen (cmake --build {build} --target bench_befehle bench_grafik)")

    def Bench(self, plattform, liste, anzahl):
        befehl = [self.programm, plattform, liste, str(anzahl)]
        bester = Lauf(befehl, self.zeitlimit)
        for _ in range(1, self.prozesse):
            if not Weiter(bester):
                break
            Dazu(bester, Lauf(befehl, self.zeitlimit))
        return bester

    def Faelle(self, plattform, liste):
        """Bench for every length. The processes take turns across the lengths, so that a stretch of
        other work on the machine slows every length alike instead of one of them, which would bend
        the exponent."""
        laeufe = {}
        for _ in range(self.prozesse):
            for anzahl in LAENGEN:
                bester = laeufe.get(anzahl)
                if bester and not Weiter(bester):
                    continue
                lauf = Lauf([self.programm, plattform, liste, str(anzahl)], self.zeitlimit)
                if bester:
                    Dazu(bester, lauf)
                else:
                    laeufe[anzahl] = lauf
        return laeufe

    def Zelle(self, lauf, schritt, anzahl):
        if schritt in lauf.schritte:
            ms = lauf.schritte[schritt][1]
            return f"{Millisekunden(ms)} ({ms * 1000 / anzahl:.2f})"
        if lauf.abgebrochen:
            # The step that was running when the time ran out; those after it never started.
            erster = next(s for s in SCHRITTE if s not in lauf.schritte)
            return f"> {self.zeitlimit:g} s" if schritt == erster else "—"
        return "Fehler"

    def Tabelle(self, liste, titel):
        print(f"\n### {titel}\n")
        print(f"ms (µs je Befehl); das Schnellste aller Läufe aus {self.prozesse} Prozessen; Laden einmal je Prozess, "
              "in das frisch gestartete Programm.\n")
        koepfe = " | ".join(Zahl(n) for n in LAENGEN)
        print(f"| Plattform | Schritt | {koepfe} | Exponent 10k→100k |")
        print("|---|---|" + "---:|" * len(LAENGEN) + "---:|")
        ergebnisse = {}
        for plattform, plattformname in PLATTFORMEN:
            laeufe = self.Faelle(plattform, liste)
            ergebnisse[plattform] = laeufe
            for schritt in SCHRITTE:
                zellen = [self.Zelle(laeufe[n], schritt, n) for n in LAENGEN]
                print(f"| {plattformname} | {NAMEN[schritt]} | {' | '.join(zellen)} | "
                      f"{self.Exponent(laeufe, schritt)} |")
            spitzen = []
            for n in LAENGEN:
                kib = laeufe[n].werte.get("Spitze_KiB")
                spitzen.append(f"{kib / 1024:,.0f} MiB ({kib / n:.2f} KiB)" if kib else "—")
            print(f"| {plattformname} | Spitzenspeicher (KiB je Befehl) | {' | '.join(spitzen)} | |")
        punkte = [str(ergebnisse["speicher"][n].werte.get("Punkte", "—")) for n in LAENGEN]
        print(f"| | Punkte | {' | '.join(punkte)} | |")
        runden = ergebnisse["speicher"][LAENGEN[0]].schritte
        print("\nLäufe je Prozess: " + ", ".join(f"{NAMEN[s]} {runden[s][0]}" for s in SCHRITTE if s in runden))
        self.Auffaelliges(ergebnisse)
        return ergebnisse

    @staticmethod
    def Exponent(laeufe, schritt):
        a, b = laeufe[10000].schritte.get(schritt), laeufe[100000].schritte.get(schritt)
        if not a or not b:
            return "—"
        exponent = math.log(b[1] / a[1]) / math.log(10)
        return f"{exponent:.2f}" + (" (über 1,1)" if exponent > 1.1 else "")

    @staticmethod
    def Auffaelliges(ergebnisse):
        for plattform, laeufe in ergebnisse.items():
            for n, lauf in laeufe.items():
                if lauf.fehler:
                    print(f"\n{plattform}, {Zahl(n)}: Exit-Code {lauf.code}: {lauf.fehler}")
                if lauf.meldungen:
                    print(f"\n{plattform}, {Zahl(n)}: {len(lauf.meldungen)} Meldungen, "
                          f"zuerst „{lauf.meldungen[0]}“")

    def Ziele(self, mischung):
        print("\n### Ziele auf Qt\n")
        kib = mischung["qt"][100000].werte.get("Spitze_KiB")
        if kib:
            print(f"- Spitzenspeicher der Mischung mit 100,000 Befehlen: {kib / 100000:.2f} KiB je Befehl "
                  f"(Ziel höchstens 2): {'erreicht' if kib <= 200000 else 'verfehlt'}")
        for anzahl, schritt, ziel, was in [(60000, "Laden", 3000, "Laden"),
                                           (24000, "Neuzeichnen", 20, "volles Neuzeichnen")]:
            lauf = self.Bench("qt", "konstruktion", anzahl)
            punkte = lauf.werte.get("Punkte")
            ms = lauf.schritte.get(schritt, (0, None))[1]
            wert = f"{Millisekunden(ms)} ms" if ms is not None else self.Zelle(lauf, schritt, anzahl)
            urteil = "" if ms is None else (": erreicht" if ms < ziel else ": verfehlt")
            print(f"- {was}, Konstruktion mit {Zahl(anzahl)} Befehlen und {Zahl(punkte) if punkte else '?'} "
                  f"Punkten: {wert} (Ziel unter {Millisekunden(ziel)} ms){urteil}")

    def Grafik(self):
        programm = os.path.join(self.build, "bench", "bench_grafik")
        print("\n### bench_grafik\n")
        umgebung = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
        try:
            lauf = subprocess.run([programm], capture_output=True, text=True, timeout=self.zeitlimit, env=umgebung)
            print("```\n" + lauf.stdout.rstrip() + "\n```")
        except subprocess.TimeoutExpired:
            print(f"> {self.zeitlimit:g} s")

    def Anweisungen(self):
        """Instructions of each counted step and run, by platform, list and length."""
        ergebnis = {}
        if not shutil.which("valgrind") or not shutil.which("callgrind_annotate"):
            return ergebnis
        with tempfile.TemporaryDirectory() as ordner:
            for plattform, _ in PLATTFORMEN:
                for liste, _ in LISTEN:
                    for n in ZAEHLLAENGEN:
                        datei = os.path.join(ordner, f"{plattform}_{liste}_{n}.out")
                        befehl = ["valgrind", "--tool=callgrind", "--collect-atstart=no",
                                  f"--callgrind-out-file={datei}"]
                        befehl += [f"--toggle-collect=messung::{s}*" for s in GEZAEHLT]
                        lauf = Lauf(befehl + [self.programm, plattform, liste, str(n)], self.zeitlimit * 4)
                        if lauf.abgebrochen or lauf.code != 0:
                            continue
                        inklusiv = subprocess.run(["callgrind_annotate", "--inclusive=yes", datei],
                                                  capture_output=True, text=True).stdout
                        for schritt in GEZAEHLT:
                            treffer = re.search(r"^\s*([\d,]+) .*messung::" + schritt + r"\(", inklusiv, re.M)
                            if treffer:
                                runden = lauf.schritte[schritt][0]
                                ergebnis[plattform, liste, schritt, n] = int(treffer[1].replace(",", "")) / runden
        return ergebnis

    def Kopf(self):
        quelle = typ = "?"
        with open(os.path.join(self.build, "CMakeCache.txt")) as cache:
            for zeile in cache:
                if zeile.startswith("CMAKE_HOME_DIRECTORY:"):
                    quelle = zeile.split("=", 1)[1].strip()
                elif zeile.startswith("CMAKE_BUILD_TYPE:"):
                    typ = zeile.split("=", 1)[1].strip()
        stand = subprocess.run(["git", "-C", quelle, "log", "-1", "--format=%h %s"], capture_output=True,
                               text=True).stdout.strip()
        print(f"\n## {self.build}\n")
        print(f"Quelle {quelle}{' (' + stand + ')' if stand else ''}, {typ or 'ohne Build-Typ'}; "
              f"das Schnellste aus {self.prozesse} Prozessen je Fall, Zeitlimit {self.zeitlimit:.0f} s je Prozess; "
              f"Last beim Start {os.getloadavg()[0]:.1f}.")


def Anweisungstabelle(zaehlungen):
    """Instructions per command of each counted step, and per command added from 1,000 to 10,000."""
    builds = list(zaehlungen)
    print("\n## Anweisungen je Befehl (callgrind, nur der Schritt selbst)\n")
    print("Je Befehl bei 1,000 und 10,000 Befehlen; Zuwachs = (I(10,000) − I(1,000)) / 9,000.\n")
    spalten = []
    for build in builds:
        kurz = os.path.basename(os.path.normpath(build))
        spalten += [f"{kurz}: 1,000", f"{kurz}: 10,000", f"{kurz}: Zuwachs"]
    if len(builds) == 2:
        spalten.append("nachher/vorher (10,000)")
    print(f"| Plattform | Liste | Schritt | {' | '.join(spalten)} |")
    print("|---|---|---|" + "---:|" * len(spalten))
    for plattform, plattformname in PLATTFORMEN:
        for liste, listenname in LISTEN:
            for schritt in GEZAEHLT:
                zellen, je10k = [], []
                for build in builds:
                    werte = [zaehlungen[build].get((plattform, liste, schritt, n)) for n in ZAEHLLAENGEN]
                    zellen += [f"{w / n:,.0f}" if w else "—" for w, n in zip(werte, ZAEHLLAENGEN)]
                    zellen.append(f"{(werte[1] - werte[0]) / 9000:,.0f}" if all(werte) else "—")
                    je10k.append(werte[1])
                if len(builds) == 2:
                    zellen.append(f"{je10k[1] / je10k[0]:.2f}" if all(je10k) else "—")
                print(f"| {plattformname} | {listenname} | {NAMEN[schritt]} | {' | '.join(zellen)} |")


def main():
    argumente = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    argumente.add_argument("builds", nargs="+", metavar="BUILD", help="Build-Ordner; zwei: vorher und nachher")
    argumente.add_argument("--zeitlimit", type=float, default=300, help="Sekunden je Prozess (300)")
    argumente.add_argument("--prozesse", type=int, default=3, help="Prozesse je Fall, das Schnellste zählt (3)")
    argumente.add_argument("--ohne-callgrind", action="store_true", help="keine Anweisungszählung")
    a = argumente.parse_args()
    sys.stdout.reconfigure(line_buffering=True)  # every row as soon as it is measured
    if len(a.builds) > 2:
        argumente.error("höchstens zwei Build-Ordner")

    print(f"# Befehlslisten-Benchmarks, {time.strftime('%Y-%m-%d %H:%M')}, {os.cpu_count()} Kerne")
    zaehlungen = {}
    for build in a.builds:
        messung = Messung(build, a.zeitlimit, a.prozesse)
        messung.Kopf()
        tabellen = {liste: messung.Tabelle(liste, LISTENTITEL[liste]) for liste, _ in LISTEN}
        messung.Ziele(tabellen["mischung"])
        messung.Grafik()
        if not a.ohne_callgrind:
            zaehlungen[build] = messung.Anweisungen()
    if zaehlungen:
        Anweisungstabelle(zaehlungen)


if __name__ == "__main__":
    main()
