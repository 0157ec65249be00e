"""What a screen reader learns of the board through AT-SPI, and whether it can
play the battle through it.

Run by accessibility.sh inside the private session bus, with the program
already past its chooser:
    accessibility.py PROGRAM_PID BOARD_X_WINDOW TREE_FILE
Prints one ok:/FAIL: line per check and exits 1 when any check failed.
"""

import datetime
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WEST_POST = "西軍の中翼中備"  # post 4
OTHER_POST = "西軍の左翼後詰"  # post 0
LEFT, RIGHT = "1", "3"
# Long enough that two clicks of one button are never taken for a double click.
CLICK_GAP = 0.6
HHMM = r"\d\d:\d\d"

failures = 0


def passed(message):
    print(f"ok:   {message}", flush=True)


def failed(message):
    global failures
    failures += 1
    print(f"FAIL: {message}", flush=True)


def check(condition, ok, fail):
    (passed if condition else failed)(ok if condition else fail)
    return condition


def pump(seconds=0.0):
    """Lets the events the program sent reach the listeners."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(probe, seconds=8.0):
    """The first true answer of probe(), or its last answer after the timeout."""
    end = time.monotonic() + seconds
    while True:
        pump()
        try:
            answer = probe()
        except Exception:  # an accessible that went away while it was read
            answer = None
        if answer or time.monotonic() >= end:
            return answer
        time.sleep(0.1)


class Events:
    """The property changes and focus moves a screen reader is told of."""

    TYPES = (
        "object:property-change:accessible-name",
        "object:property-change:accessible-description",
        "object:state-changed:focused",
    )

    def __init__(self):
        self.seen = []
        pyatspi.Registry.registerEventListener(self._note, *self.TYPES)

    def _note(self, event):
        self.seen.append((event.type, event.source, event.detail1))

    def clear(self):
        pump()
        self.seen.clear()

    def came(self, kind, source, seconds=5.0):
        def arrived():
            return any(t == kind and s == source for t, s, _ in self.seen)

        return wait_for(arrived, seconds)

    def focus_came(self, source, seconds=5.0):
        return wait_for(
            lambda: any(t == "object:state-changed:focused" and s == source and d == 1 for t, s, d in self.seen),
            seconds,
        )


def walk(root):
    stack = [root]
    while stack:
        node = stack.pop()
        yield node
        try:
            children = [node.getChildAtIndex(i) for i in range(node.childCount)]
        except Exception:
            continue
        stack.extend(reversed([c for c in children if c is not None]))


class Index:
    """Every accessible under a root with its role, read once: roles stay, while
    names are read afresh at each look-up, as they change with the battle."""

    def __init__(self, root):
        self.nodes = []
        for node in walk(root):
            try:
                self.nodes.append((node, node.getRoleName()))
            except Exception:
                continue

    def find_all(self, role=None, name=None, pattern=None):
        found = []
        for node, node_role in self.nodes:
            if role is not None and node_role != role:
                continue
            try:
                node_name = node.name
            except Exception:
                continue
            if name is not None and node_name != name:
                continue
            if pattern is not None and not re.fullmatch(pattern, node_name):
                continue
            found.append(node)
        return found

    def find(self, role=None, name=None, pattern=None):
        found = self.find_all(role, name, pattern)
        return found[0] if found else None


def find(root, role=None, name=None, pattern=None):
    return Index(root).find(role, name, pattern)


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def is_showing(node):
    return node is not None and "showing" in states(node)


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def actions_of(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return {}
    return {action.getName(i): i for i in range(action.nActions)}


def do_action(node, name):
    index = actions_of(node).get(name)
    if index is None:
        return False
    return node.queryAction().doAction(index)


def everything_said(node):
    """All a screen reader can say of a node: its name, description and text."""
    return " ".join(part for part in (node.name, node.description, text_of(node)) if part)


def centre(node, height_share=0.5):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + int(box.height * height_share)


def click(node, button, height_share=0.5):
    time.sleep(CLICK_GAP)
    x, y = centre(node, height_share)
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", button], check=True)


def press_keys(window, *keys):
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)


def hhmm(moment):
    return moment.strftime("%H:%M")


def score_of(box):
    text = text_of(box) or ""
    digits = text.replace(",", "")
    return int(digits) if digits.isdigit() else None


def find_program(pid):
    desktop = pyatspi.Registry.getDesktop(0)

    def program():
        for app in desktop:
            if app is not None and app.get_process_id() == pid:
                return app
        return None

    app = wait_for(program, 20)
    if not check(app is not None, f"the program (pid {pid}) is on the AT-SPI bus as \"{app.name if app else ''}\"",
                 f"the program (pid {pid}) never appeared on the AT-SPI bus"):
        return None, None
    board = wait_for(lambda: find(app, role="frame", pattern=r".*合戦状況"))
    check(board is not None, f"its board window is there: \"{board.name if board else ''}\"",
          "no window whose name ends in 合戦状況 among its accessibles")
    return app, board


def check_posts(board):
    posts = wait_for(lambda: board.find_all(role="panel", pattern=r"(西軍|東軍)の.+：.+"))
    names = sorted(p.name for p in posts or [])
    pattern = r"(西軍|東軍)の(左翼|中翼|右翼)(先鋒|中備|後詰)：健在"
    well_formed = [n for n in names if re.fullmatch(pattern, n)]
    check(len(set(well_formed)) == 18 and len(names) == 18
          and sum(n.startswith("西軍") for n in names) == 9,
          "all 18 posts are named army, place and 健在, each once, nine of each army",
          f"the posts are named {names}")


def check_controls(board):
    """The names a screen reader announces for the board's boxes and captions."""
    expected = [
        ("text", "経過時間"),
        ("text", "西軍の戦果"),
        ("text", "東軍の戦果"),
        ("label", "現在の時刻"),
        ("label", "西軍の毎分の戦果"),
        ("label", "東軍の毎分の戦果"),
        ("filler", "毎分の戦果の差"),
        ("label", "陣終了予想時刻"),
        ("check box", "主将配置時刻がきたら自動で健在に変更"),
        ("check box", "MsgBoxでお知らせ"),
        ("check box", "戦果表示"),
        ("push button", "初期化"),
        ("push button", "表示切替"),
        ("push button", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ書出"),
    ] + [("push button", f"{army}の戦果 {points}") for army in ("西軍", "東軍") for points in (100, 10, 1)]
    missing = [f"{role} 「{name}」" for role, name in expected if board.find(role=role, name=name) is None]
    check(not missing, f"{len(expected)} boxes, captions and buttons carry their Japanese names",
          f"no accessible for {', '.join(missing)}")

    elapsed = board.find(role="text", name="経過時間")
    if elapsed is not None:
        shown = text_of(elapsed)
        check(shown is not None and re.fullmatch(HHMM, shown), f"経過時間 reads \"{shown}\"",
              f"経過時間 reads {shown!r}, not a time")
    for army in ("西軍", "東軍"):
        box = board.find(role="text", name=f"{army}の戦果")
        if box is not None:
            check(score_of(box) == 0, f"{army}の戦果 reads \"{text_of(box)}\"",
                  f"{army}の戦果 reads {text_of(box)!r}, expected 0")
    bar = board.find(name="毎分の戦果の差")
    if bar is not None:
        check(bar.description == "差はありません", f"毎分の戦果の差 is described \"{bar.description}\"",
              f"毎分の戦果の差 is described {bar.description!r}, expected 差はありません")
    forecast = board.find(role="label", name="陣終了予想時刻")
    if forecast is not None:
        check(not is_showing(forecast), "陣終了予想時刻 is not shown while 戦果表示 is off",
              "陣終了予想時刻 is shown while 戦果表示 is off")


# A caption named for what it shows must still let its value be heard.
def check_clock_said(board):
    clock = board.find(role="label", name="現在の時刻")
    if clock is not None:
        now = datetime.datetime.now()
        times = {hhmm(now), hhmm(now - datetime.timedelta(minutes=1))}
        said = everything_said(clock)
        check(any(t in said for t in times), f"現在の時刻 lets the time be heard: \"{said}\"",
              f"現在の時刻 never says the time ({' or '.join(sorted(times))}): all it offers is \"{said}\"")


def check_rates_said(board, rates):
    for army, rate in zip(("西軍", "東軍"), rates):
        label = board.find(role="label", name=f"{army}の毎分の戦果")
        if label is not None:
            said = everything_said(label)
            check(re.search(rf"(?<!\d){rate}(?!\d)", said), f"{army}の毎分の戦果 lets its value {rate} be heard: \"{said}\"",
                  f"{army}の毎分の戦果 never says its value {rate}: all it offers is \"{said}\"")


def check_mouse_on_post(board, events):
    post = board.find(role="panel", name=f"{WEST_POST}：健在")
    if not check(post is not None, f"post 4 is found by its name 「{WEST_POST}：健在」",
                 f"no post named 「{WEST_POST}：健在」"):
        return None, None
    description = post.description
    match = re.fullmatch(r"徳川家・(.+)", description)
    general = match.group(1) if match else None
    visible = general is not None and find(post, role="label", name=general) is not None
    check(visible, f"post 4 is described 「{description}」, its main general as shown",
          f"post 4 is described {description!r}, not 徳川家・ and a general shown in the post")

    def step_by_mouse(button, status, what):
        events.clear()
        click(post, button, 0.3)
        name = f"{WEST_POST}：{status}"
        took = wait_for(lambda: post.name == name)
        check(took, f"{what}: the post is now 「{post.name}」", f"{what}: the post stays 「{post.name}」, expected 「{name}」")
        if took:
            check(events.came("object:property-change:accessible-name", post),
                  f"{what}: the change of name is announced (accessible-name event)",
                  f"{what}: no accessible-name event for the post, a screen reader is not told")
        return took

    step_by_mouse(LEFT, "主将戦闘中", "left click on post 4")
    check("focused" in states(post), "the clicked post has the focus a screen reader follows",
          f"the clicked post is not focused (states {sorted(states(post))})")
    step_by_mouse(RIGHT, "健在", "right click back")
    before = datetime.datetime.now()
    if step_by_mouse(RIGHT, "主将配置待ち", "second right click"):
        after = datetime.datetime.now()
        due = {hhmm(before + datetime.timedelta(hours=1)), hhmm(after + datetime.timedelta(hours=1))}
        said = wait_for(lambda: re.fullmatch(rf"徳川家・.+、配置予定 ({HHMM})（({HHMM})後に配置）", post.description))
        check(said and said.group(1) in due and said.group(2) in ("01:00", "00:59"),
              f"the awaiting post is described 「{post.description}」",
              f"the awaiting post is described {post.description!r}: expected 配置予定 {' or '.join(sorted(due))} "
              "and （01:00後に配置）")
        check(events.came("object:property-change:accessible-description", post),
              "the new schedule is announced (accessible-description event)",
              "no accessible-description event for the post's schedule")
    return post, general


def check_keys_on_post(board, window, post, general, events):
    """The keyboard a screen reader's user plays with: Space steps the focused post."""
    bar = board.find(name="毎分の戦果の差")

    def step_by_key(status, what):
        events.clear()
        press_keys(window, "space")
        name = f"{WEST_POST}：{status}"
        took = wait_for(lambda: post.name == name)
        check(took, f"{what}: the post is now 「{post.name}」", f"{what}: the post stays 「{post.name}」, expected 「{name}」")
        return took

    if step_by_key("健在", "Space on the focused post"):
        plain = f"徳川家・{general}"
        check(wait_for(lambda: post.description == plain), f"its schedule is gone from the description: 「{post.description}」",
              f"the post is described {post.description!r}, expected 「{plain}」")
    step_by_key("主将戦闘中", "Space again")
    if step_by_key("主将配置待ち", "Space a third time, the post falls to 東軍"):
        check(wait_for(lambda: re.fullmatch(rf"北条家・.+、配置予定 {HHMM}（{HHMM}後に配置）", post.description)),
              f"the fallen post is described 「{post.description}」",
              f"the fallen post is described {post.description!r}, expected 北条家・ and its schedule")
        if bar is not None:
            gain = "東軍が毎分 2 多く得ています"
            check(wait_for(lambda: bar.description == gain), f"毎分の戦果の差 is now described 「{bar.description}」",
                  f"毎分の戦果の差 is described {bar.description!r}, expected 「{gain}」")
            check(events.came("object:property-change:accessible-description", bar),
                  "the new balance is announced (accessible-description event)",
                  "no accessible-description event for 毎分の戦果の差")


def check_focus_action(board, events):
    """AT-SPI's SetFocus, which assistive tools use to move to a post."""
    post = board.find(role="panel", pattern=f"{OTHER_POST}：.+")
    if post is None:
        failed(f"no post named {OTHER_POST}")
        return
    events.clear()
    offered = "SetFocus" in actions_of(post)
    check(offered, "a post offers the SetFocus action", f"a post offers only {sorted(actions_of(post))}")
    if offered:
        do_action(post, "SetFocus")
        check(events.focus_came(post) and "focused" in states(post),
              f"SetFocus on 「{post.name}」 gives it the focus",
              f"SetFocus on 「{post.name}」 is accepted but the post does not take the focus")


def tick_battle_results(board):
    """Ticks 戦果表示 the way a screen reader does, by its Toggle action, and
    falls back on the mouse so that the checks after it still run."""
    box = board.find(role="check box", name="戦果表示")
    step = board.find(role="push button", name="西軍の戦果 100")
    forecast = board.find(role="label", name="陣終了予想時刻")
    if box is None or step is None or forecast is None:
        failed("戦果表示, 西軍の戦果 100 or 陣終了予想時刻 is missing")
        return False

    def results_on():
        return "enabled" in states(step) and is_showing(forecast)

    do_action(box, "Toggle")
    checked = wait_for(lambda: "checked" in states(box))
    on = checked and wait_for(results_on, 3)
    check(on, "the Toggle action on 戦果表示 turns the battle results on",
          "the Toggle action on 戦果表示 ticks the box"
          + (" but the board does not follow: the step buttons stay disabled and 陣終了予想時刻 hidden"
             if checked else " not even"))
    if not on:
        if checked:
            do_action(box, "Toggle")
            wait_for(lambda: "checked" not in states(box))
        click(box, LEFT)
        on = wait_for(results_on)
        check(on, "a click on 戦果表示 turns the battle results on", "not even a click on 戦果表示 turns the battle results on")
    return on


def forecast_captions(description):
    """The captions the board may show with this description: the time left it
    tells, from the minute before to the minute after now, as the clock time of
    the end; or the words for a forecast still waiting or already met."""
    left = re.search(r"(\d\d):(\d\d)後に終了", description)
    if left is None:
        return {"終了"} if "終了条件成立" in description else {"--:--"}
    remaining = int(left.group(1)) * 60 + int(left.group(2))
    now = datetime.datetime.now()
    captions = set()
    for minutes in (-1, 0, 1):
        moment = now + datetime.timedelta(minutes=minutes)
        end = moment.hour * 60 + moment.minute + remaining
        if end > 24 * 60:
            end %= 24 * 60
        captions.add(f"{end // 60:02d}:{end % 60:02d}")
    return captions


def check_forecast(board):
    forecast = board.find(role="label", name="陣終了予想時刻")
    check(is_showing(forecast), f"陣終了予想時刻 is shown, described 「{forecast.description}」",
          "陣終了予想時刻 is not shown with 戦果表示 ticked")
    captions = forecast_captions(forecast.description)
    said = everything_said(forecast)
    # The time left is not the time of the end.
    heard = re.sub(r"\d\d:\d\d後に終了", "", said)
    check(any(c in heard for c in captions), f"陣終了予想時刻 lets its caption be heard: \"{said}\"",
          f"陣終了予想時刻 never says its caption ({' or '.join(sorted(captions))}): all it offers is \"{said}\"")


def check_step_button(board):
    step = board.find(role="push button", name="西軍の戦果 100")
    box = board.find(role="text", name="西軍の戦果")
    start = score_of(box)
    offered = "Press" in actions_of(step)
    check(offered, "西軍の戦果 100 offers the Press action", f"西軍の戦果 100 offers only {sorted(actions_of(step))}")
    if offered:
        do_action(step, "Press")
        added = wait_for(lambda: score_of(box) == start + 100, 3)
        check(added, f"Press on 西軍の戦果 100 takes 西軍の戦果 from {start} to {score_of(box)}",
              f"Press on 西軍の戦果 100 is accepted but 西軍の戦果 stays {text_of(box)!r}")
    start = score_of(box)
    click(step, LEFT)
    check(wait_for(lambda: score_of(box) == start + 100),
          f"a click on 西軍の戦果 100 takes 西軍の戦果 from {start} to {score_of(box)}",
          f"a click on 西軍の戦果 100 leaves 西軍の戦果 at {text_of(box)!r}")


def save_tree(frame, path):
    """The board as a screen reader sees it, for reading after a failure."""
    lines = []

    def write(node, depth):
        try:
            text = text_of(node)
            lines.append(f"{'  ' * depth}{node.getRoleName()} 「{node.name}」 {node.description!r} "
                         f"{sorted(states(node))}" + (f" text {text!r}" if text is not None else ""))
            children = [node.getChildAtIndex(i) for i in range(node.childCount)]
        except Exception as error:
            lines.append(f"{'  ' * depth}(gone: {error})")
            return
        for child in children:
            if child is not None:
                write(child, depth + 1)

    write(frame, 0)
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


def main():
    pid, window, tree_file = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    events = Events()
    _, frame = find_program(pid)
    if frame is None:
        return 1
    board = Index(frame)
    check_posts(board)
    check_controls(board)
    check_clock_said(board)
    check_rates_said(board, (0, 0))
    post, general = check_mouse_on_post(board, events)
    if post is not None and general is not None:
        check_keys_on_post(board, window, post, general, events)
        check_rates_said(board, (0, 2))
    check_focus_action(board, events)
    if tick_battle_results(board):
        check_forecast(board)
        check_step_button(board)
    save_tree(frame, tree_file)
    print(f"the accessible tree of the board: {tree_file}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
