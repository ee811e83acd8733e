import sys
n = int(sys.argv[1])
s = ""
for i in range(1, n + 1):
    s = s + chr(65 + i % 26)
    t = s[:3].upper() + s[1:5]
    k = len(s) + (t.find("B") + 1)
    if len(s) > 200:
        s = s[-10:]
