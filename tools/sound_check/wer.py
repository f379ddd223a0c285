#!/usr/bin/python3
"""Word error of the spoken clips, as a speech recogniser restricted to the game's words hears them.

usage: tools/sound_check/wer.py DATA_DIR [--lines FILE] [--list] [--only REGEX]
       tools/sound_check/wer.py --wideband [--lines FILE] [--list] [--only REGEX]

The recogniser is pocketsphinx (Debian: python3-pocketsphinx, pocketsphinx-en-us, sox) with a
bigram language model made from the announcer's own sentences. Each clip is brought to 16 kHz
with sox, padded with 0.3 s on both sides and given a noise floor at -50 dBFS (on digital
silence the recogniser misfires). Prints the word error per family and whether each runner
clip's number was heard right. With --wideband the lines are spoken afresh by flite as
stridewell-data speaks them, at flite's own 16 kHz without the game's 8 kHz chain: the
figure the clips are set against.
"""
import argparse
import collections
import math
import os
import random
import re
import struct
import subprocess
import sys
import tempfile

from pocketsphinx import Decoder

MODEL = "/usr/share/pocketsphinx/model/en-us"
NUMBERS = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"]
EXTRA_WORDS = {"backstretch": "B AE K S T R EH CH", "hotting": "HH AA T IH NG",
               "stridewell": "S T R AY D W EH L"}


def words(text):
    text = re.sub(r"\b(10|[0-9])\b", lambda m: NUMBERS[int(m.group(1))], text.lower())
    return re.sub(r"[^a-z' ]", " ", text).split()


def family(path):
    name = os.path.basename(path)[:-4]
    if "/announcer/" not in path:
        return "post-time calls"
    name = re.sub(r"^\d+", "", name)
    name = re.sub(r"\d+$", "", name) if not name.startswith("UpFront") else name
    return name


def style(fam):
    if fam in ("post-time calls",):
        return fam
    if fam in ("UpFront_calm", "incommand_calm", "struggling", "generic_phrase", "generic_calm"):
        return "calm"
    if fam in ("stretch", "UpFront_ex", "UpFront_ex2", "UpFront_ex3", "theiroff", "generic_ex"):
        return "excited"
    return "medium"


def language_model(sentences, folder):
    """A bigram model with absolute discounting, backing off to smoothed unigrams."""
    uni, bi = collections.Counter(), collections.Counter()
    for s in sentences:
        toks = ["<s>"] + s + ["</s>"]
        uni.update(toks)
        bi.update(zip(toks, toks[1:]))
    total = sum(c for w, c in uni.items() if w != "<s>")
    vocab = sorted(uni)
    p_uni = {w: (uni[w] + 0.5) / (total + 0.5 * len(vocab)) for w in vocab}
    p_uni["<s>"] = 1e-99
    d = 0.5
    after = collections.defaultdict(list)
    for (a, b), c in bi.items():
        after[a].append((b, c))
    p_bi, backoff = {}, {}
    for a, nexts in after.items():
        n = sum(c for _, c in nexts)
        for b, c in nexts:
            p_bi[(a, b)] = (c - d) / n
        left = d * len(nexts) / n
        backoff[a] = left / max(1e-9, 1 - sum(p_uni[b] for b, _ in nexts))
    lm = os.path.join(folder, "game.lm")
    with open(lm, "w") as f:
        f.write("\\data\\\nngram 1=%d\nngram 2=%d\n\n\\1-grams:\n" % (len(vocab), len(p_bi)))
        for w in vocab:
            f.write("%.5f %s %.5f\n" % (math.log10(p_uni[w]) if w != "<s>" else -99, w,
                                          math.log10(backoff.get(w, 1.0))))
        f.write("\n\\2-grams:\n")
        for (a, b), p in sorted(p_bi.items()):
            f.write("%.5f %s %s\n" % (math.log10(p), a, b))
        f.write("\n\\end\\\n")
    entries = {}
    with open(os.path.join(MODEL, "cmudict-en-us.dict")) as f:
        for line in f:
            w, pron = line.split(" ", 1)
            if w in uni and w not in entries:
                entries[w] = pron.strip()
    entries.update({w: p for w, p in EXTRA_WORDS.items() if w in uni})
    dic = os.path.join(folder, "game.dic")
    with open(dic, "w") as f:
        for w in vocab:
            if w not in ("<s>", "</s>"):
                f.write("%s %s\n" % (w, entries[w]))
    return lm, dic


def audio(path, speed=None):
    """The clip at 16 kHz, 16-bit, padded, over a -50 dBFS noise floor."""
    raw = subprocess.run(["sox", path, "-t", "raw", "-r", "16000", "-e", "signed", "-b", "16",
                          "-c", "1", "-"] + (["speed", speed] if speed else []),
                         check=True, capture_output=True).stdout
    samples = list(struct.unpack("<%dh" % (len(raw) // 2), raw))
    pad = [0] * 4800
    samples = pad + samples + pad
    noise = random.Random(1)
    level = 32768 * 10 ** (-50 / 20) * math.sqrt(3)  # uniform noise of -50 dBFS RMS
    out = [max(-32768, min(32767, int(s + noise.uniform(-level, level)))) for s in samples]
    return struct.pack("<%dh" % len(out), *out)


def distance(ref, hyp):
    row = list(range(len(hyp) + 1))
    for i, r in enumerate(ref, 1):
        prev, row[0] = row[0], i
        for j, h in enumerate(hyp, 1):
            prev, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, prev + (r != h))
    return row[-1]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("data", nargs="?")
    ap.add_argument("--lines", help="stridewell-data --spoken-lines output (default: run it)")
    ap.add_argument("--wideband", action="store_true",
                    help="speak the lines afresh at 16 kHz, without the game's chain")
    ap.add_argument("--list", action="store_true", help="print every clip heard wrong")
    ap.add_argument("--only", help="hear only the clips whose path matches this expression")
    args = ap.parse_args()
    if not args.data and not args.wideband:
        ap.error("give the data folder, or --wideband")
    if args.lines:
        text = open(args.lines).read()
    else:
        exe = os.path.join(os.path.dirname(__file__), "../../build/release/bin/stridewell-data")
        text = subprocess.run([exe, "--spoken-lines"], check=True, capture_output=True,
                              text=True).stdout
    clips = [line.split("\t") for line in text.splitlines() if line]
    with tempfile.TemporaryDirectory() as tmp:
        lm, dic = language_model([words(c[1]) for c in clips], tmp)
        config = Decoder.default_config()
        config.set_string("-hmm", os.path.join(MODEL, "en-us"))
        config.set_string("-lm", lm)
        config.set_string("-dict", dic)
        config.set_string("-logfn", "/dev/null")
        decoder = Decoder(config)
        errors, counts = collections.Counter(), collections.Counter()
        numbers_right, numbers_all = collections.Counter(), collections.Counter()
        for path, line, *spoken in clips:
            if args.only and not re.search(args.only, path):
                continue
            if args.wideband:
                raise_, *flite = spoken
                clip = os.path.join(tmp, "line.wav")
                subprocess.run([flite[0], "-o", clip] + flite[1:], check=True)
                sound = audio(clip, raise_)
            else:
                sound = audio(os.path.join(args.data, path))
            decoder.start_utt()
            decoder.process_raw(sound, False, True)
            decoder.end_utt()
            hyp = decoder.hyp().hypstr.split() if decoder.hyp() else []
            ref = words(line)
            e = distance(ref, hyp)
            for key in (style(family(path)), "all"):
                errors[key] += e
                counts[key] += len(ref)
            said = [w for w in ref if w in NUMBERS]
            if said and "/announcer/" in path and "number" in ref:
                n = said[0]
                numbers_all[n] += 1
                numbers_right[n] += [w for w in hyp if w in NUMBERS] == said
            if args.list and e:
                print("%s: %s -> %s" % (path, " ".join(ref), " ".join(hyp)))
    for key in (k for k in ("post-time calls", "calm", "medium", "excited", "all") if counts[k]):
        print("%-16s %5.1f %% word error (%d words)" % (key, 100.0 * errors[key] / counts[key],
                                                       counts[key]))
    print("runner numbers heard right: " + ", ".join(
        "%s %d/%d" % (n, numbers_right[n], numbers_all[n]) for n in NUMBERS[1:]))


if __name__ == "__main__":
    sys.exit(main())
