#!/usr/bin/env python3
# Makes data/sound/{term}.mp3, each term of the five term lists in
# content/texts/terms/ spoken in Mandarin, for the "基础概念" pages.
#
# Needs espeak-ng and lame (Debian/Ubuntu: apt-get install espeak-ng lame);
# the program itself never runs them.
#
# A term whose MP3 file already exists (non-empty, starting with an MP3 frame
# or an ID3 tag) is left alone; run with --force to speak every term again,
# for example after changing the voice settings or a respelling below. MP3
# files of terms that are no longer in any list are removed.
#
# The Mandarin voice used is espeak-ng's "cmn-latn-pinyin": it reads the same
# Chinese dictionary as "cmn", but the plain "cmn" voice reads the pinyin that
# the dictionary gives for some characters (数, 差, 率 …) as English words.
import os
import subprocess
import sys
import tempfile

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
LISTS = ["integers", "decimals", "fractions", "percent", "geometry"]
TERMS_DIR = os.path.join(ROOT, "content", "texts", "terms")
SOUND_DIR = os.path.join(ROOT, "data", "sound")

VOICE = "cmn-latn-pinyin"
SPEED = 140  # words a minute; a little slower than the default, for children

# Words the voice reads with the wrong tone or syllable, and what to say
# instead (a character of the right sound).
RESPELLINGS = {
    "差": "插",      # 差 of a subtraction is chā
    "钝角": "顿角",  # the voice's dictionary splits 钝角 into three syllables
}


def read_terms():
    """The terms of all lists, in list order, each once."""
    terms = []
    seen = set()
    for name in LISTS:
        path = os.path.join(TERMS_DIR, name + ".txt")
        with open(path, encoding="utf-8", newline="") as f:
            for number, line in enumerate(f.read().splitlines(), 1):
                if not line.startswith("[") or "]" not in line:
                    sys.exit(f"{path}:{number}: not a [term]definition line")
                term = line[1:line.index("]")]
                if not term or any(c in term for c in '/\\:*?"<>| ') or ".." in term:
                    sys.exit(f"{path}:{number}: term {term!r} cannot be a file name")
                if term not in seen:
                    seen.add(term)
                    terms.append(term)
    return terms


def spoken(term):
    text = RESPELLINGS.get(term)
    if text is not None:
        return text
    for word, sound in RESPELLINGS.items():
        if len(word) > 1:
            term = term.replace(word, sound)
    return term


def is_mp3(path):
    try:
        with open(path, "rb") as f:
            head = f.read(3)
    except OSError:
        return False
    return head == b"ID3" or (len(head) >= 2 and head[0] == 0xFF and (head[1] & 0xE0) == 0xE0)


def make_sound(term, target):
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "term.wav")
        mp3 = os.path.join(tmp, "term.mp3")
        subprocess.run(["espeak-ng", "-v", VOICE, "-s", str(SPEED), "-w", wav, spoken(term)],
                       check=True)
        subprocess.run(["lame", "--silent", "-m", "m", "--resample", "22.05", "-b", "32",
                        wav, mp3], check=True)
        if not is_mp3(mp3) or os.path.getsize(mp3) == 0:
            sys.exit(f"lame wrote no MP3 for {term}")
        os.replace(mp3, target)


def main():
    force = "--force" in sys.argv[1:]
    terms = read_terms()
    os.makedirs(SOUND_DIR, exist_ok=True)
    made = 0
    for term in terms:
        target = os.path.join(SOUND_DIR, term + ".mp3")
        up_to_date = (os.path.exists(target) and os.path.getsize(target) > 0
                      and is_mp3(target))
        if up_to_date and not force:
            continue
        make_sound(term, target)
        made += 1
    wanted = {term + ".mp3" for term in terms}
    removed = 0
    for name in sorted(os.listdir(SOUND_DIR)):
        if name.endswith(".mp3") and name not in wanted:
            os.remove(os.path.join(SOUND_DIR, name))
            removed += 1
    print(f"{len(terms)} terms: {made} spoken, {removed} old files removed")


if __name__ == "__main__":
    main()
