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


def text_block(packet):
    """The text of an SMBsendtxt request, from the TCP payload: tshark (4.0) reads that request's
    ByteCount where its MessageGroupId word stands and shows no text, so the block is read here
    after the session header, SMB header, WordCount 1, the word, ByteCount and the data block's
    format and length."""
    payload = bytes.fromhex(fields(packet, "tcp.payload")[0].get("value"))
    start = 4 + 32 + 1 + 2 + 2 + 3
    return payload[start:start + int.from_bytes(payload[start - 2:start], "little")].hex()


def problems_of(number, packet):
    protocols = [proto.get("name") for proto in packet.iter("proto")]
    problems = []
    if "_ws.malformed" in protocols or fields(packet, "_ws.malformed"):
        problems.append("malformed")
    for proto in packet.iter("proto"):
        for expert in fields(proto, "_ws.expert.severity"):
            # A reset ends a connection refused by design (no messenger there): TCP's own note.
            if proto.get("name") != "tcp" and int(expert.get("show")) >= WARNING:
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
        command = first(packet, "smb.cmd")
        if first(packet, "smb.flags.response") == "0" and command in ("0xd0", "0xd7"):
            stream = streams.setdefault(first(packet, "tcp.stream"), {})
            if command == "0xd7" and first(packet, "smb.wct") != "1":
                problems.append("frame %d: SMBsendtxt without its one word" % number)
            text = text_block(packet) if command == "0xd7" else fields(packet, "smb.message")[0].get("value", "")
            stream[command] = stream.get(command, "") + text
        if first(packet, "mailslot.name"):
            # The mailslot's data: "from NUL to NUL text NUL".
            data = bytes.fromhex(fields(packet, "data.data")[0].get("value")).split(b"\0")
            texts.add(data[2].hex() if len(data) == 4 else "malformed mailslot data " + repr(data))
    for stream in streams.values():
        texts.update(text for text in (stream.get("0xd0"), stream.get("0xd7")) if text is not None)
    with open(expected_file) as lines:
        expected = {line.rstrip("\n") for line in lines}
    if texts != expected:
        problems.append("texts on the wire %s, expected %s" % (sorted(texts - expected), sorted(expected - texts)))
    protocols = {proto.get("name") for packet in packets for proto in packet.iter("proto")}
    print("capture: %d frames dissected (%s), %d texts" % (len(packets), " ".join(sorted(protocols & {"nbss", "nbns", "nbdgm", "smb", "mailslot"})), len(texts)))
    for problem in problems:
        print("capture: " + problem)
    return 1 if problems else 0


sys.exit(main())
