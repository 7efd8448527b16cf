import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Calculator
import Kestrel.Testing

// The screen only: what each key does lives in tst_calculatormodel.
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

    function test_keysReachTheModelAndTheDisplayShowsIt() {
        let calculator = createTemporaryObject(calculatorComponent, testCase)
        compare(tap(calculator, ["8", "\u00F7", "0", "=", "4", "\u00D7", "1", "1", "=", "+", "2"]),
                ["8", "8", "0", "Error", "4", "4", "1", "11", "44", "44", "2"])
        // Each screen has its own model: opening the app again starts afresh.
        calculator.destroy()
        calculator = createTemporaryObject(calculatorComponent, testCase)
        compare(findChild(calculator, "display").text, "")
        compare(calculator.model.calculation, "")
    }

    function test_nineteenKeysInFourColumns() {
        const calculator = createTemporaryObject(calculatorComponent, testCase)
        const names = calculator.model.keys
        compare(names.length, 19)
        const origin = key(calculator, names[0]).mapToItem(calculator, 0, 0)
        for (let i = 0; i < names.length; ++i) {
            const item = key(calculator, names[i])
            compare(item.width, 85, names[i] + " is not 85 wide")
            compare(item.height, 85, names[i] + " is not 85 high")
            const left = item.mapToItem(calculator, 0, 0)
            compare(Math.round((left.x - origin.x) / (item.width + 4.5)), i % 4, names[i] + " is in the wrong column")
            verify(left.y > origin.y + Math.floor(i / 4) * 85 - 1, names[i] + " overlaps the row above")
            verify(left.x >= 0 && left.x + item.width <= calculator.width, names[i] + " is off screen")
            verify(left.y + item.height <= calculator.height - AppContext.device.bottomInset, names[i] + " is under the home bar")
        }
        compare(findChild(calculator, "key_-"), null, "the minus key must be U+2212, not a hyphen")
    }

    function test_keyColours_data() {
        return [
            { tag: "digit", key: "7", background: Qt.rgba(142 / 255, 142 / 255, 147 / 255, 0.4), text: "#ffffff" },
            { tag: "function", key: "AC", background: Qt.rgba(209 / 255, 209 / 255, 214 / 255, 0.7), text: "#000000" },
            { tag: "operator", key: "\u00F7", background: "#ff9500", text: "#ffffff" },
            { tag: "equals", key: "=", background: "#ff9500", text: "#ffffff" },
        ]
    }

    function test_keyColours(data) {
        const item = key(createTemporaryObject(calculatorComponent, testCase), data.key)
        verify(Qt.colorEqual(item.background.color, data.background), data.key + " background " + item.background.color)
        verify(Qt.colorEqual(item.contentItem.color, data.text), data.key + " text " + item.contentItem.color)
        compare(item.contentItem.text, data.key)
        compare(item.contentItem.font.pixelSize, 35)
    }

    // An edit by keyboard changes the model's text only; keys keep the focus on the display.
    function test_displayIsBoundBothWays() {
        const calculator = createTemporaryObject(calculatorComponent, testCase)
        const display = findChild(calculator, "display")
        tap(calculator, ["1", "2"])
        display.forceActiveFocus()
        display.selectAll()
        keyClick(Qt.Key_Minus)
        keyClick(Qt.Key_4)
        compare(calculator.model.displayNumber, "-4")
        compare(calculator.model.operand1, 12)
        tap(calculator, ["5"])
        compare(display.text, "-45")
        verify(display.activeFocus)
    }
}
