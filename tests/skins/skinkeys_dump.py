"""Prints the skin generator's key tables (skins/default/skinkeys.py) as the sections a record of
each class writes with every value at its default:

    [object caption]
    textrect=0,0,0,0
    ...

Usage: skinkeys_dump.py SKIN_FOLDER"""
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, sys.argv[1])
import skinkeys  # noqa: E402


def dump(kind, table):
    for name, keys in table.items():
        print("[%s %s]" % (kind, name))
        for line in skinkeys.Section(name, skinkeys.parse_keys(keys), {}).lines:
            print(line)


dump("object", skinkeys.OBJECT_TYPES)
dump("control", skinkeys.CONTROL_TYPES)
dump("section", skinkeys.FILE_SECTIONS)
