#!/usr/bin/env python3
"""A messenger that misbehaves as the NetBIOS name called asks, on ADDRESS:139:
  POMALY     answers the session request a byte every 9 s;
  PRESMERUJ  retargets the session to 127.0.0.1:139;
  NULY       takes the session and answers each SMB with a header all zero but its command;
  MLCI       takes the session and the SMB, and never answers;
  VYSILA     sends a keep-alive before taking the session, then answers as NULY. Only a broadcast
             name query finds it (ADDRESS:137): the name server on ADDRESS:53 never answers for it,
             and says "no such name" for every other name.
Each SMB it is sent goes to DIR/NAME.N. Ends after a quarter of an hour without a connection.
Usage: fake-messenger.py ADDRESS DIR"""
import os
import socket
import sys
import threading
import time

address, folder = sys.argv[1], sys.argv[2]
counter = iter(range(1, 100000))


def receive(conn, count):
    data = b""
    while len(data) < count:
        part = conn.recv(count - len(data))
        if not part:
            raise EOFError
        data += part
    return data


def packet(conn):
    head = receive(conn, 4)
    return head[0], receive(conn, (head[1] & 1) << 16 | head[2] << 8 | head[3])


def called_name(body):
    encoded = body[1:33]
    raw = bytes((encoded[i] - 65) << 4 | (encoded[i + 1] - 65) for i in range(0, 32, 2))
    return raw[:15].decode("latin-1").rstrip()


def keep(name, smb):
    path = "%s/%s.%d" % (folder, name, next(counter))
    with open(path + ".part", "wb") as out:
        out.write(smb)
    os.rename(path + ".part", path)


def serve(conn):
    with conn:
        conn.settimeout(60)
        try:
            _, body = packet(conn)
            name = called_name(body)
            if name == "POMALY":
                for byte in b"\x82\x00\x00\x00":
                    time.sleep(9)
                    conn.sendall(bytes([byte]))
            elif name == "PRESMERUJ":
                conn.sendall(b"\x84\x00\x00\x06" + bytes([127, 0, 0, 1]) + (139).to_bytes(2, "big"))
            elif name == "MLCI":
                conn.sendall(b"\x82\x00\x00\x00")
                keep(name, packet(conn)[1])
                while conn.recv(4096):
                    pass
            elif name in ("NULY", "VYSILA"):
                conn.sendall((b"\x85\x00\x00\x00" if name == "VYSILA" else b"") + b"\x82\x00\x00\x00")
                while True:
                    _, smb = packet(conn)
                    keep(name, smb)
                    reply = b"\xffSMB" + smb[4:5] + bytes(27) + b"\x00\x00\x00"
                    conn.sendall(b"\x00\x00" + len(reply).to_bytes(2, "big") + reply)
        except (EOFError, OSError):
            pass


def answer_names():
    names = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    names.bind(("", 137))  # a broadcast reaches only a socket bound to any address
    while True:
        query, sender = names.recvfrom(1500)
        if len(query) >= 46 and called_name(query[12:]) == "VYSILA" and (query[43] - 65) << 4 | (query[44] - 65) == 3:
            record = query[12:46] + b"\x00\x20\x00\x01" + (300).to_bytes(4, "big") + b"\x00\x06\x00\x00"
            names.sendto(query[:2] + b"\x85\x00\x00\x00\x00\x01\x00\x00\x00\x00" + record + socket.inet_aton(address), sender)


def answer_hosts():
    server = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    server.bind((address, 53))
    while True:
        query, sender = server.recvfrom(1500)
        end = 12
        while end < len(query) and query[end]:
            end += query[end] + 1
        if end + 5 <= len(query) and not query[13 : 13 + query[12]].lower().startswith(b"vysila"):
            server.sendto(query[:2] + b"\x81\x83\x00\x01" + bytes(6) + query[12 : end + 5], sender)


for service in (answer_names, answer_hosts):
    threading.Thread(target=service, daemon=True).start()
listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
listener.bind((address, 139))
listener.listen(8)
listener.settimeout(900)
while True:
    connection, _ = listener.accept()
    threading.Thread(target=serve, args=(connection,), daemon=True).start()
