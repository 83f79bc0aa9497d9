#!/usr/bin/python3
"""An output module for speech-dispatcher that writes down what it is given.

speech-dispatcher runs it as it runs a synthesizer and talks to it in the
output modules' protocol, which Orca's versions never see; so the log holds
what a listener would hear, from any screen reader. Each message becomes one
line of JSON in the file TAVRIN_SPEECH_LOG names: [seconds since the epoch,
"speak", "char" or "key", the text without its SSML].
"""

import html
import json
import os
import re
import sys
import time

KINDS = {"SPEAK": "speak", "CHAR": "char", "KEY": "key", "SOUND_ICON": "icon"}
# Commands followed by lines of settings, and the words that answer them.
SETTINGS = {"SET": ("", "SETTINGS RECEIVED"), "AUDIO": ("AUDIO ", "AUDIO INITIALIZED"),
            "LOGLEVEL": ("LOGLEVEL ", "LOGLEVEL SET")}
log = open(os.environ["TAVRIN_SPEECH_LOG"], "a", buffering=1)


def answer(*lines):
    sys.stdout.write("".join(line + "\n" for line in lines))
    sys.stdout.flush()


# Lines up to a lone dot; a line that starts with a dot comes with one more.
def body():
    lines = []
    for line in iter(sys.stdin.readline, ".\n"):
        if not line:
            break
        lines.append(line[1:] if line.startswith(".") else line)
    return " ".join(html.unescape(re.sub(r"<[^>]*>", "", "".join(lines))).split())


# Nothing is ever being spoken: a message ends as it begins, and STOP and
# PAUSE need no answer.
for command in map(str.strip, iter(sys.stdin.readline, "")):
    if command == "INIT":
        answer("299-speech log", "299 OK LOADED SUCCESSFULLY")
    elif command in KINDS:
        answer("202 OK RECEIVING MESSAGE")
        text = body()
        if text:
            log.write(json.dumps([time.time(), KINDS[command], text], ensure_ascii=False) + "\n")
        answer("200 OK SPEAKING", "701 BEGIN", "702 END")
    elif command in SETTINGS:
        answer("207 OK RECEIVING %sSETTINGS" % SETTINGS[command][0])
        body()
        answer("203 OK " + SETTINGS[command][1])
    elif command == "LIST VOICES":
        answer("200-log\ten\tnone", "200 OK VOICE LIST SENT")
    elif command.startswith("DEBUG"):
        answer("200 OK DEBUGGING " + command.split()[1])
    elif command == "QUIT":
        answer("210 OK QUIT")
        break
    elif command not in ("STOP", "PAUSE"):
        answer("300 ERR UNKNOWN COMMAND")
