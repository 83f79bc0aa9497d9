#!/usr/bin/python3
"""A speech-dispatcher output module that says nothing and writes down all it is given.

speech-dispatcher starts it as it starts a synthesizer and talks to it over
standard input and output in the output modules' protocol, which has not
changed in years; so whatever screen reader talks to speech-dispatcher, and
whatever its version, the log holds what a listener would hear. Each message
becomes one line of JSON in the file that TAVRIN_SPEECH_LOG names:
[seconds since the epoch, kind, text], where kind is "speak" for text, "char"
for a character and "key" for a key's name, and the text is plain, without
the SSML it came in.
"""

import html
import json
import os
import re
import sys
import time

KINDS = {"SPEAK": "speak", "CHAR": "char", "KEY": "key", "SOUND_ICON": "icon"}
# Commands followed by lines of settings, and what each is answered with.
SETTINGS = {
    "SET": ("", "SETTINGS RECEIVED"),
    "AUDIO": ("AUDIO ", "AUDIO INITIALIZED"),
    "LOGLEVEL": ("LOGLEVEL ", "LOGLEVEL SET"),
}

log = open(os.environ["TAVRIN_SPEECH_LOG"], "a", buffering=1)


def answer(*lines):
    sys.stdout.write("".join(line + "\n" for line in lines))
    sys.stdout.flush()


# A message's lines end with a lone dot; a line that starts with a dot comes
# with one more in front.
def body():
    lines = []
    while True:
        line = sys.stdin.readline()
        if not line or line == ".\n":
            return lines
        line = line.rstrip("\n")
        lines.append(line[1:] if line.startswith(".") else line)


def plain(ssml):
    return " ".join(html.unescape(re.sub(r"<[^>]*>", "", ssml)).split())


def speak(kind):
    answer("202 OK RECEIVING MESSAGE")
    text = plain("\n".join(body()))
    if text:
        log.write(json.dumps([time.time(), kind, text], ensure_ascii=False) + "\n")
    # Nothing to wait for: the message is over as soon as it begins.
    answer("200 OK SPEAKING", "701 BEGIN", "702 END")


def serve():
    while True:
        line = sys.stdin.readline()
        if not line:
            return
        command = line.strip()
        if command == "INIT":
            answer("299-speech log", "299 OK LOADED SUCCESSFULLY")
        elif command in KINDS:
            speak(KINDS[command])
        elif command in SETTINGS:
            kind, done = SETTINGS[command]
            answer("207 OK RECEIVING %sSETTINGS" % kind)
            body()
            answer("203 OK " + done)
        elif command == "LIST VOICES":
            answer("200-log\ten\tnone", "200 OK VOICE LIST SENT")
        elif command.startswith("DEBUG"):
            answer("200 OK DEBUGGING " + command.split()[1])
        elif command in ("STOP", "PAUSE"):
            pass  # nothing is ever being spoken
        elif command == "QUIT":
            answer("210 OK QUIT")
            return
        else:
            answer("300 ERR UNKNOWN COMMAND")


serve()
