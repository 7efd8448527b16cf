import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Calculator
import Kestrel.Testing

TestCase {
    id: testCase
    name: "Calculator"
    when: windowShown
    width: 390
    height: 844
    visible: true

    Component {
        id: calculatorComponent
        Calculator { width: 390; height: 844 }
    }

    function open() {
        const calculator = createTemporaryObject(calculatorComponent, testCase)
        verify(calculator, "the calculator could not be created")
        return calculator
    }

    function key(calculator, name) {
        const item = findChild(calculator, "key_" + name)
        verify(item, "no key " + name)
        return item
    }

    function tap(calculator, names) {
        const shown = []
        for (const name of names) {
            mouseClick(key(calculator, name))
            shown.push(findChild(calculator, "display").text)
        }
        return shown
    }

    function test_workedSequencesThroughTheKeys_data() {
        return [
            { tag: "12 + 3", keys: ["1", "2", "+", "3", "="], shown: ["1", "12", "12", "3", "15"] },
            { tag: "operator replaced", keys: ["9", "\u2212", "4", "\u00D7", "2", "="], shown: ["9", "9", "4", "4", "42", "378"] },
            { tag: "equals alone", keys: ["6", "="], shown: ["6", "6"] },
            { tag: "result extended", keys: ["1", "2", "+", "3", "=", "7"], shown: ["1", "12", "12", "3", "15", "157"] },
            { tag: "division by zero, then on", keys: ["8", "\u00F7", "0", "=", "4", "+", "1", "="],
              shown: ["8", "8", "0", "Error", "4", "4", "1", "5"] },
            { tag: "AC", keys: ["5", "+", "AC", "7"], shown: ["5", "5", "", "7"] },
        ]
    }

    function test_workedSequencesThroughTheKeys(data) {
        const calculator = open()
        compare(tap(calculator, data.keys), data.shown)
    }

    function test_nineteenKeysInFourColumns() {
        const calculator = open()
        const names = ["AC", "+/-", "%", "\u00F7", "7", "8", "9", "\u00D7", "4", "5", "6", "\u2212",
                       "1", "2", "3", "+", "0", ".", "="]
        const first = key(calculator, "AC")
        for (let i = 0; i < names.length; ++i) {
            const item = key(calculator, names[i])
            compare(item.width, 85, names[i] + " is not 85 wide")
            compare(item.height, 85, names[i] + " is not 85 high")
            const left = item.mapToItem(calculator, 0, 0)
            const origin = first.mapToItem(calculator, 0, 0)
            const column = Math.round((left.x - origin.x) / (item.width + 4.5))
            compare(column, i % 4, names[i] + " is in the wrong column")
            verify(left.y > origin.y + Math.floor(i / 4) * 85 - 1, names[i] + " overlaps the row above")
            verify(left.x >= 0 && left.x + item.width <= calculator.width, names[i] + " is off screen")
            verify(left.y + item.height <= calculator.height - AppContext.device.bottomInset, names[i] + " is under the home bar")
        }
        compare(findChild(calculator, "key_-"), null, "the minus key must be U+2212, not a hyphen")
    }

    function test_keyColours_data() {
        return [
            { tag: "digit", key: "7", background: Qt.rgba(142 / 255, 142 / 255, 147 / 255, 0.4), text: "#ffffff" },
            { tag: "point", key: ".", background: Qt.rgba(142 / 255, 142 / 255, 147 / 255, 0.4), text: "#ffffff" },
            { tag: "AC", key: "AC", background: Qt.rgba(209 / 255, 209 / 255, 214 / 255, 0.7), text: "#000000" },
            { tag: "percent", key: "%", background: Qt.rgba(209 / 255, 209 / 255, 214 / 255, 0.7), text: "#000000" },
            { tag: "divide", key: "\u00F7", background: "#ff9500", text: "#ffffff" },
            { tag: "equals", key: "=", background: "#ff9500", text: "#ffffff" },
        ]
    }

    function test_keyColours(data) {
        const item = key(open(), data.key)
        verify(Qt.colorEqual(item.background.color, data.background), data.key + " background " + item.background.color)
        verify(Qt.colorEqual(item.contentItem.color, data.text), data.key + " text " + item.contentItem.color)
        compare(item.contentItem.text, data.key)
        compare(item.contentItem.font.pixelSize, 35)
    }

    function test_displayIsBoundBothWays() {
        const calculator = open()
        const display = findChild(calculator, "display")
        tap(calculator, ["1", "2"])
        compare(display.text, "12")
        // An edit changes the text only; the next digit reads the whole edited text.
        display.forceActiveFocus()
        display.selectAll()
        keyClick(Qt.Key_Minus)
        keyClick(Qt.Key_4)
        compare(calculator.model.displayNumber, "-4")
        compare(calculator.model.operand1, 12)
        tap(calculator, ["5"])
        compare(display.text, "-45")
        compare(calculator.model.operand1, -45)
        // Text that is no number is kept, and the operand with it.
        display.selectAll()
        keyClick(Qt.Key_A)
        tap(calculator, ["1"])
        compare(display.text, "a1")
        compare(calculator.model.operand1, -45)
    }

    function test_reopeningStartsFresh() {
        let calculator = open()
        tap(calculator, ["4", "+", "2"])
        calculator.destroy()
        calculator = open()
        compare(findChild(calculator, "display").text, "")
        compare(calculator.model.calculation, "")
        compare(calculator.model.operand1, 0)
        compare(calculator.model.operand2, 0)
    }
}
