#!/usr/bin/env python3
"""Checks a capture of net.exe's traffic with tshark's own dissectors: every frame that carries
data is a NetBIOS session packet (an SMB message command inside a session message), a name
service packet or a datagram carrying a mailslot write; none is malformed or draws an expert
warning; and the texts the SMBs carry are those in EXPECTED (one hex line each), no others.
Usage: check-capture.py CAPTURE EXPECTED"""
import subprocess
import sys
import xml.etree.ElementTree as tree

MESSAGE_COMMANDS = {"0xd0", "0xd5", "0xd6", "0xd7"}  # SMBsends, SMBsendstrt, SMBsendend, SMBsendtxt
WARNING = 0x600000  # tshark's severity of an expert warning; errors rank above


def fields(element, name):
    return [field for field in element.iter("field") if field.get("name") == name]


def first(element, name):
    found = fields(element, name)
    return found[0].get("show") if found else None


def problems_of(number, packet):
    protocols = [proto.get("name") for proto in packet.iter("proto")]
    problems = []
    if "_ws.malformed" in protocols or fields(packet, "_ws.malformed"):
        problems.append("malformed")
    for proto in packet.iter("proto"):
        for expert in fields(proto, "_ws.expert.severity"):
            # A reset ends a connection refused by design (no messenger there): TCP's own note.
            if proto.get("name") != "tcp" and int(expert.get("value"), 16) >= WARNING:
                problems.append("expert %s: %s" % (proto.get("name"), first(proto, "_ws.expert.message")))
    if "udp" in protocols:
        port = {first(packet, "udp.srcport"), first(packet, "udp.dstport")}
        wanted = "nbns" if "137" in port else "nbdgm"
        if wanted not in protocols:
            problems.append("UDP not dissected as " + wanted)
        if wanted == "nbdgm" and ("smb" not in protocols or first(packet, "mailslot.name") != "\\MAILSLOT\\MESSNGR"):
            problems.append("datagram without the messenger's mailslot write")
    elif "tcp" in protocols and int(first(packet, "tcp.len") or 0) > 0:
        if "nbss" not in protocols:
            problems.append("TCP data not dissected as a NetBIOS session packet")
        elif first(packet, "nbss.type") == "0x00":
            commands = {field.get("show") for field in fields(packet, "smb.cmd")}
            if "smb" not in protocols or not commands <= MESSAGE_COMMANDS:
                problems.append("session message is not an SMB message command: %s" % commands)
    return ["frame %d: %s" % (number, problem) for problem in problems]


def main():
    capture, expected_file = sys.argv[1], sys.argv[2]
    pdml = subprocess.run(["tshark", "-r", capture, "-T", "pdml"], check=True, capture_output=True).stdout
    packets = tree.fromstring(pdml).findall("packet")
    problems, texts, streams = [], set(), {}
    for number, packet in enumerate(packets, 1):
        problems += problems_of(number, packet)
        is_request = first(packet, "smb.flags.response") == "0"
        for message in fields(packet, "smb.message"):
            if is_request:
                stream = streams.setdefault(first(packet, "tcp.stream"), {})
                command = first(packet, "smb.cmd")
                stream[command] = stream.get(command, "") + message.get("value")
        for data in fields(packet, "mailslot.name"):
            texts.add(data.get("value"))  # placeholder until the data field is known
    for stream in streams.values():
        texts.update(text for text in (stream.get("0xd0"), stream.get("0xd7")) if text)
    with open(expected_file) as lines:
        expected = {line.strip() for line in lines if line.strip()}
    if texts != expected:
        problems.append("texts on the wire %s, expected %s" % (sorted(texts - expected), sorted(expected - texts)))
    print("capture: %d frames dissected, %d texts" % (len(packets), len(texts)))
    for problem in problems:
        print("capture: " + problem)
    return 1 if problems else 0


sys.exit(main())
