"""The skin's INI vocabulary: the keys every record class reads, in reading order, and a
writer that turns one record's values into an INI section. Standard library only."""

from raster import NO_POINT, NO_RECT


def ini_colour(c):
    return c[0] + c[1] * 256 + c[2] * 65536


# ================================================================================================
# Key tables: every record class reads its keys in a fixed order. Each class is written once below
# as "key type" pairs; a bracketed value is a default other than the usual one. Types: r rect,
# p point, i integer, c colour, b boolean, s string, f font style, m morph kind, a alignment,
# t stretch type, e inactive effect, k command. Usual defaults: 0,0,0,0 / 0,0 / 0 / false / empty
# / no style / "mkdefault" / "tacenter" / "stfull" / "cmdefault"; -1 for picture indexes, "Arial"
# for font names and 14 for font heights.
# ================================================================================================

def parse_keys(text):
    """"key type" pairs, optionally "key type (default)", separated by commas, as
    (key, type, default or None) in order."""
    keys = []
    for item in text.split(","):
        words = item.split()
        if not words:
            continue
        name, kind = words[0], words[1]
        default = " ".join(words[2:]).strip("()") if len(words) > 2 else None
        keys.append((name, kind, default))
    return keys


OBJECT_BASE_KEYS = """hint s, activepictureindex i, activemaskpictureindex i, skinrectinapicture b,
    skinrect r, activeskinrect r, inactiveskinrect r, morphing b, morphkind m,
    glowlayerpictureindex i, glowlayermaskpictureindex i, glowlayeroffsetx i, glowlayeroffsety i,
    glowlayeralphablendvalue i (255)"""
BUTTON_OBJECT_KEYS = """downrect r, disableskinrsect r, alphamaskpictureindex i,
    alphamaskactivepictureindex i, alphamaskinactivepictureindex i"""
STDBUTTON_OBJECT_KEYS = """command k, restorerect r, restoreactiverect r, restoredownrect r,
    restoreinactiverect r, restorehint s"""
MENUITEM_KEYS = """itemleftoffset i, itemrightoffset i, dividerrect r, dividerleftoffset i,
    dividerrightoffset i, textrect r, imagerect r, fontname s, fontheight i, fontstyle f,
    fontcolor c, activefontcolor c, unenabledfontcolor c, stretcheffect b,
    inactivestretcheffect b, dividerstretcheffect b, animateskinrect r, framecount i,
    animateinterval i (25), inactiveanimation b, useimagecolor b, imagecolor c,
    activeimagecolor c, inactivetransparent b, checkimagerect r, activecheckimagerect r,
    radioimagerect r, activeradioimagerect r, arrowimagerect r, activearrowimagerect r"""
MAINMENUITEM_KEYS = """itemleftoffset i, itemrightoffset i, downrect r, textrect r, fontname s,
    fontheight i, fontstyle f, fontcolor c, activefontcolor c, downfontcolor c,
    unenabledfontColor c, stretcheffect b, animateskinrect r, framecount i,
    animateinterval i (25), inactiveanimation b"""
CAPTION_KEYS = """textrect r, fontname s, fontheight i, fontstyle f, fontcolor c,
    activefontcolor c, alignment a, light b, lightcolor c, activelightcolor c, shadow b,
    shadowcolor c, activeshadowcolor c, framerect r, activeframerect r, frametextrect r,
    frameleftoffset i, framerightoffset i, stretcheffect b, animateskinrect r, framecount i,
    animateinterval i (25), inactiveanimation b, fullframe b, vistagloweffect b,
    vistaglowinactiveeffect b, gloweffect b, glowinactiveeffect b, glowsize i (3), glowcolor c,
    glowactivecolor c, glowoffset i, reflectioneffect b, reflactioncolor c,
    reflactionactivecolor c, reflectionoffset i, dividerrect r, dividertransparent b,
    dividertransparentcolor c"""

ANIMATE_KEYS = """countframes i (1), cycle b, buttonstyle b, timerinterval i (50), command k,
    downskinrect r, restorerect r, restoreactiverect r, restoredownrect r, restoreinactiverect r,
    restorehint s"""

OBJECT_TYPES = {
    "userobject": "skinrect r",  # a user object reads nothing but its place
    "button": OBJECT_BASE_KEYS + "," + BUTTON_OBJECT_KEYS,
    "stdbutton": OBJECT_BASE_KEYS + "," + BUTTON_OBJECT_KEYS + "," + STDBUTTON_OBJECT_KEYS,
    "mainmenubarbutton": OBJECT_BASE_KEYS + "," + BUTTON_OBJECT_KEYS + "," + STDBUTTON_OBJECT_KEYS,
    "menuitem": OBJECT_BASE_KEYS + "," + MENUITEM_KEYS,
    "animate": OBJECT_BASE_KEYS + "," + ANIMATE_KEYS,
    "mainmenubaritem": OBJECT_BASE_KEYS + "," + MAINMENUITEM_KEYS,
    "caption": OBJECT_BASE_KEYS + "," + CAPTION_KEYS,
}

CONTROL_BASE_KEYS = "pictureindex i, maskpictureindex i, skinrect r"
NINE_PART_KEYS = """lefttoppoint p, righttoppoint p, leftbottompoint p, rightbottompoint p,
    clientrect r, leftstretch b, topstretch b, rightstretch b, bottomstretch b, stretcheffect b,
    stretchtype t"""
CUSTOM_KEYS = CONTROL_BASE_KEYS + "," + NINE_PART_KEYS
BUTTON_KEYS = CUSTOM_KEYS + """, fontname s, fontheight i, fontstyle f, fontcolor c,
    activefontcolor c, downfontcolor c, disabledfontcolor c, activeskinrect r, downskinrect r,
    focusedskinrect r, disabledskinrect r, morphing b, morphkind m, animateskinrect r,
    framecount i, animateinterval i (25), showfocus b, menumarkerflatrect r, menumarkerrect r,
    menumarkeractiverect r, menumarkerdownrect r, menumarkertransparentcolor c,
    glowlayerpictureindex i, glowlayermaskpictureindex i, glowlayeroffsetleft i,
    glowlayeroffsettop i, glowlayeroffsetright i, glowlayeroffsetbottom i,
    glowlayershowoffsetx i, glowlayershowoffsety i, glowlayeralphablendvalue i (255)"""
EDIT_KEYS = CUSTOM_KEYS + """, activeskinrect r, fontname s, fontheight i, fontstyle f,
    fontcolor c, disabledfontcolor c, activefontcolor c, buttonrect r, activebuttonrect r,
    downbuttonrect r, unenabledbuttonrect r"""
LISTBOX_KEYS = CUSTOM_KEYS + """, itemrect r, activeitemrect r, focusitemrect r,
    itemleftoffset i, itemrightoffset i, itemtextrect r, fontname s, fontheight i, fontstyle f,
    fontcolor c, activefontcolor c, focusfontcolor c, captionrect r, captionfontname s,
    captionfontheight i, captionfontstyle f, captionfontcolor c, upbuttonrect r,
    activeupbuttonrect r, downupbuttonrect r, downbuttonrect r, activedownbuttonrect r,
    downdownbuttonrect r, checkbuttonrect r, activecheckbuttonrect r, downcheckbuttonrect r,
    vscrollbarname s (vscrollbar), hscrollbarname s (hscrollbar),
    bothhscrollbarname s (bothhscrollbar), showfocus b, disabledbuttonsrect r, buttonsarea r"""
PLAIN_TEXT_KEYS = CONTROL_BASE_KEYS + ", fontname s, fontheight i, fontstyle f, fontcolor c, bgcolor c"

CONTROL_TYPES = {
    "button": BUTTON_KEYS,
    "menubutton": BUTTON_KEYS + ", trackbuttonrect r",
    "panel": CUSTOM_KEYS + """, bgpictureindex i, captionrect r, alignment a, fontname s,
        fontheight i, fontstyle f, fontcolor c, checkimagerect r, uncheckimagerect r,
        markframerect r, framerect r, frametextrect r, frameleftoffset i, framerightoffset i,
        gripperrect r, grippertransparent b, grippertransparentcolor c, buttonrect r,
        buttonactiverect r, buttondownrect r, buttontransparent b, buttontransparentcolor c""",
    "expanel": CUSTOM_KEYS + """, rollhskinrect r, rollvskinrect r, rollleftoffset i,
        rollrightoffset i, rolltopoffset i, rollbottomoffset i, rollvcaptionrect r,
        rollhcaptionrect r, closebuttonrect r, closebuttonactiverect r, closebuttondownrect r,
        hrollbuttonrect r, hrollbuttonactiverect r, hrollbuttondownrect r, hrestorebuttonrect r,
        hrestorebuttonactiverect r, hrestorebuttondownrect r, vrollbuttonrect r,
        vrollbuttonactiverect r, vrollbuttondownrect r, vrestorebuttonrect r,
        vrestorebuttonactiverect r, vrestorebuttondownrect r, captionrect r, fontname s,
        fontheight i, fontstyle f, fontcolor c, buttonstransparent b, buttonstransparentcolor c""",
    "checkradio": CUSTOM_KEYS + """, fontname s, fontheight i, fontstyle f, fontcolor c,
        activefontcolor c, unenabledfontcolor c, framefontcolor c, activeskinrect r,
        checkimagearea r, textarea r, checkimagerect r, uncheckimagerect r,
        activecheckimagerect r, activeuncheckimagerect r, unenabledcheckimagerect r,
        unenableduncheckimagerect r, grayedcheckimagerect r, activegrayedcheckimagerect r,
        morphing b, morphkind m""",
    "gauge": CUSTOM_KEYS + """, progressarea r, progressrect r, beginoffset i, endoffset i,
        vertical b, fontname s, fontheight i, fontstyle f, fontcolor c, progresstransparent b,
        progresstransparentcolor c, progressstretch b, animationskinrect r,
        animationcountframes i, animationtimerinterval i, progressanimationskinrect r,
        progressanimationcountframes i, progressanimationtimerinterval i,
        animationbeginoffset i, animationendoffset i""",
    "splitter": CUSTOM_KEYS + ", gripperrect r, grippertransparent b, grippertransparentcolor c",
    "trackbar": CUSTOM_KEYS + """, activeskinrect r, trackarea r, buttonrect r,
        activebuttonrect r, vertical b, buttontransparent b, buttontransparentcolor c""",
    "label": CUSTOM_KEYS + ", fontname s, fontheight i, fontstyle f, fontcolor c",
    "stdlabel": CONTROL_BASE_KEYS + """, fontname s, fontheight i, fontstyle f, fontcolor c,
        activefontcolor c (16711680)""",
    "updown": CUSTOM_KEYS + """, upbuttonrect r, activeupbuttonrect r, downupbuttonrect r,
        downbuttonrect r, activedownbuttonrect r, downdownbuttonrect r""",
    "grid": CONTROL_BASE_KEYS + """, fixedcellrect r, selectcellrect r, focuscellrect r,
        fixedcellleftoffset i, fixedcellrightoffset i, fixedcelltextrect r, cellleftoffset i,
        cellrightoffset i, celltextrect r, bgpictureindex i, linescolor c, bgcolor c,
        fontname s, fontheight i, fontstyle f, fontcolor c, selectfontcolor c,
        focusfontcolor c, fixedfontname s, fixedfontheight i, fixedfontstyle f,
        fixedfontcolor c, cellstretcheffect b, fixedcellstretcheffect b, showfocus b""",
    "tab": CONTROL_BASE_KEYS + """, tabrect r, activetabrect r, focustabrect r,
        mouseintabrect r, clientrect r, bgpictureindex i, lefttoppoint p, righttoppoint p,
        leftbottompoint p, rightbottompoint p, tableftoffset i, tabrightoffset i, tabsbgrect r,
        tabstretcheffect b, leftstretch b, topstretch b, rightstretch b, bottomstretch b,
        stretcheffect b, stretchtype t, fontname s, fontheight i, fontstyle f, fontcolor c,
        activefontcolor c, focusfontcolor c, mouseinfontcolor c, updown s, showfocus b,
        focusoffsetx i, focusoffsety i, closebuttonrect r, closebuttonactiverect r,
        closebuttondownrect r, buttontransparent b, buttontransparentcolor c, dividerrect r,
        dividertransparent b, dividertransparentcolor c, mdicloserect r,
        mdicloseactiverect r, mdiclosedownrect r, mdirestorerect r, mdirestoreactiverect r,
        mdirestoredownrect r, mdiminrect r, mdiminactiverect r, mdimindownrect r,
        mdibuttonstransparent b, mdibuttonstransparentcolor c""",
    "mainmenubar": CONTROL_BASE_KEYS + """, itemsrect r, menubaritem s, closebutton s,
        minbutton s, maxbutton s, sysmenubutton s, trackmarkcolor c, trackmarkactivecolor c,
        stretcheffect b, itemtransparent b""",
    "controlbar": CUSTOM_KEYS + """, itemrect r, bgpictureindex i, hgriprect r, vgriprect r,
        gripoffset1 i, gripoffset2 i, itemstretcheffect b, itemoffset1 i (3), itemoffset2 i (3),
        itemtransparent b, itemtransparentcolor c, griptransparent b, griptransparentcolor c""",
    "appmenu": CUSTOM_KEYS + """, bgpictureindex i, bgstretcheffect b, itemrect r,
        pageitemrect r, pageitemactiverect r, itemoffset1 i (3), itemoffset2 i (3),
        pageitemoffset1 i (10), pageitemoffset2 i (10), pageoffset i, fontname s, fontheight i,
        fontpageheight i (16), fontstyle f, fontcolor c, disabledfontcolor c, activefontcolor c,
        fontpagecolor c, activefontpagecolor c, gripperrect r, grippertransparentcolor c""",
    "edit": EDIT_KEYS,
    "memo": EDIT_KEYS + ", bgcolor c, activebgcolor c",
    "listbox": LISTBOX_KEYS,
    "checklistbox": LISTBOX_KEYS + ", itemcheckrect r, checkimagerect r, uncheckimagerect r",
    "combobox": CUSTOM_KEYS + """, activeskinrect r, itemrect r, activeitemrect r,
        focusitemrect r, itemleftoffset i, itemrightoffset i, itemtextrect r, fontname s,
        fontheight i, fontstyle f, fontcolor c, focusfontcolor c, activefontcolor c,
        listboxname s, buttonrect r, activebuttonrect r, downbuttonrect r,
        unenabledbuttonrect r, itemstretcheffect b, focusitemstretcheffect b, showfocus b""",
    "scrollbar": CUSTOM_KEYS + """, trackarea r, upbuttonrect r, activeupbuttonrect r,
        downupbuttonrect r, downbuttonrect r, activedownbuttonrect r, downdownbuttonrect r,
        thumbrect r, activethumbrect r, downthumbrect r, thumboffset1 i, thumboffset2 i,
        thumbtransparent b, thumbtransparentcolor c, thumbstretcheffect b, thumbminsize i,
        thumbminpagesize i, glyphrect r, activeglyphrect r, downglyphrect r,
        glyphtransparent b, glyphtransparentcolor c""",
    "spinedit": CUSTOM_KEYS + """, activeskinrect r, fontname s, fontheight i, fontstyle f,
        fontcolor c, activefontcolor c, disabledfontcolor c, upbuttonrect r,
        activeupbuttonrect r, downupbuttonrect r, downbuttonrect r, activedownbuttonrect r,
        downdownbuttonrect r""",
    "scrollbox": CUSTOM_KEYS + ", bgpictureindex i",
    "treeview": PLAIN_TEXT_KEYS,
    "listview": PLAIN_TEXT_KEYS,
    "richedit": PLAIN_TEXT_KEYS,
    "bevel": CONTROL_BASE_KEYS + ", lightcolor c, darkcolor c",
    "slider": CONTROL_BASE_KEYS + """, bgcolor c, hrulerrect r, hthumbrect r, vrulerrect r,
        vthumbrect r, edgesize i, pointscolor c""",
}

# The file-level sections that hold values of their own (the lists VERSION, PICTURES, SKINOBJECTS
# and SKINCONTROLS are written by the generator directly). SKINCOLORS defaults to the platform's
# system colours (0xFF000000 plus the colour's index, as a signed number).
FILE_SECTIONS = {
    "FORMINFO": """lefttoppoint p, righttoppoint p, leftbottompoint p, rightbottompoint p,
        clientrect r, bgpictureindex i, mdibgpictureindex i, leftstretch b, rightstretch b,
        topstretch b, bottomstretch b, stretcheffect b, stretchtype t, mdibgstretcheffect b,
        mdibgstretchtype t, maskrectarea r, hittestlefttoppoint p, hittestrighttoppoint p,
        hittestleftbottompoint p, hittestrightbottompoint p, buttonsrect r, captionrect r,
        buttonsoffset i, buttonsinleft b, mainmenupopupup b, borderwidth i, formminwidth i,
        formminheight i, mditabstransparent b, mainmenubartransparent b,
        autorenderinginactiveimage b, inactiveeffect e""",
    "SKINCOLORS": """cbtnface c (-16777201), cbtntext c (-16777198), cwindow c (-16777211),
        cwindowtext c (-16777208), chighlight c (-16777203), chighlighttext c (-16777202),
        cbtnhighlight c (-16777196), cbtnshadow c (-16777200)""",
    "POPUPWINDOW": """windowpictureindex i, maskpictureindex i, lefttoppoint p, righttoppoint p,
        leftbottompoint p, rightbottompoint p, itemsrect r, scrollmarkercolor c,
        scrollmarkeractivecolor c, leftstretch b, rightstretch b, topstretch b, bottomstretch b,
        stretcheffect b, stretchtype t""",
    "HINTWINDOW": """windowpictureindex i, maskpictureindex i, lefttoppoint p, righttoppoint p,
        leftbottompoint p, rightbottompoint p, clientrect r, fontname s, fontheight i,
        fontstyle f, fontcolor c, leftstretch b, rightstretch b, topstretch b, bottomstretch b,
        stretcheffect b, stretchtype t""",
    "LAYERFRAME": """pictureindex i, maskpictureindex i, inactivepictureindex i,
        inactivemaskpictureindex i, lefttoppoint p, righttoppoint p, leftbottompoint p,
        rightbottompoint p, clientrect r, alphablendvalue i (255), inactivealphablendvalue i (255),
        borderrect r, hittestenable b, fullborder b, hittestsize i, captionrect r,
        hittestlefttoppoint p, hittestrighttoppoint p, hittestleftbottompoint p,
        hittestrightbottompoint p, buttonsrect r, sysmenubuttonrect r, fullstretch b,
        rollupformheight i, buttonstopoffset i, sysbuttontopoffset i, blurmaskpictureindex i,
        intersectblurmaskrect r, excludeblurmaskrect r, leftoffset i, topoffset i, widthoffset i,
        heightoffset i""",
}

FONT_STYLES = ["fsbold", "fsitalic", "fsunderline", "fsstrikeout"]


def usual_default(name, kind):
    if name.endswith("pictureindex"):
        return -1
    if kind == "s" and name.endswith("fontname"):
        return "Arial"
    if kind == "i" and name.endswith("fontheight"):
        return 14
    return {"r": NO_RECT, "p": NO_POINT, "i": 0, "c": 0, "b": False, "s": "", "f": (),
            "m": "mkdefault", "a": "tacenter", "t": "stfull", "e": "iebrightness",
            "k": "cmdefault"}[kind]


def encode(kind, value):
    """A value as the INI text writes it."""
    if kind in "rp":
        return value.ini()
    if kind == "b":
        return "1" if value else "0"
    if kind == "c":
        return str(ini_colour(value) if isinstance(value, tuple) else value)
    if kind == "f":
        return ",".join(style for style in FONT_STYLES if style in value)
    return str(value)


def typed_default(name, kind, given):
    if given is None:
        return usual_default(name, kind)
    return int(given) if kind in "ic" else given


class Section:
    """One INI section: its keys in reading order with this skin's values. Keys in `absent`
    are left out on purpose (their readers then take the default). With `core` given, only
    those keys are always written; any other key appears only when this skin sets it to
    something other than its default."""

    def __init__(self, name, keys, values, absent=(), comment=None, core=None):
        self.name, self.comment = name, comment
        known = {k for k, _, _ in keys}
        unknown = (set(values) | set(absent)) - known
        assert not unknown, "%s: unknown keys %s" % (name, sorted(unknown))
        self.lines = []
        for key, kind, default in keys:
            fallback = encode(kind, typed_default(key, kind, default))
            text = encode(kind, values[key]) if key in values else fallback
            if key in absent or (core is not None and key not in core and text == fallback):
                continue
            self.lines.append("%s=%s" % (key, text))

    def text(self, comment_below=False):
        comment = ["; " + line for line in self.comment.split("\n")] if self.comment else []
        header = ["[%s]" % self.name]
        body = header + comment if comment_below else comment + header
        return body + self.lines + [""]


def list_section(name, entries, comment):
    keys = parse_keys("count i, " + ", ".join("%d s" % i for i in range(len(entries))))
    values = dict({"count": len(entries)},
                  **{str(i): "%s:%s" % (n, kind) for i, (n, kind, _) in enumerate(entries)})
    return Section(name, keys, values, comment=comment)
