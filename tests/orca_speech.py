#!/usr/bin/python3
"""Orca, the screen reader, run as it is, with what it sends to speech logged.

  orca_speech.py SPEECH_LOG DEBUG_LOG

Every utterance goes to SPEECH_LOG as it is sent, one line of JSON each:
[seconds since the epoch, kind, text], where kind is "speak" for text, "key"
for an echoed key and "char" for a spoken character. Orca's own debug output
goes to DEBUG_LOG a line at a time, so that it survives Orca being killed.
"""

import json
import runpy
import sys
import time

from orca import debug
from orca import speech

speech_log = open(sys.argv[1], "a", buffering=1)


def record(kind, text):
    speech_log.write(json.dumps([time.time(), kind, text]) + "\n")


def logged(name, kind, text_of):
    original = getattr(speech, name)

    def speak(*args, **kwargs):
        record(kind, text_of(*args))
        return original(*args, **kwargs)

    setattr(speech, name, speak)


logged("_speak", "speak", lambda text, *rest: text)
logged("speakKeyEvent", "key", lambda event, *rest: event.getKeyName())
logged("speakCharacter", "char", lambda character, *rest: character)

debug.debugLevel = debug.LEVEL_INFO
debug.debugFile = open(sys.argv[2], "w", buffering=1)

sys.argv = ["orca"]
runpy.run_path("/usr/bin/orca", run_name="__main__")
